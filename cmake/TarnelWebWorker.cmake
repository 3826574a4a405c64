# Writes the page's service worker, sw.js, named by the build it keeps: a
# hash of every file of the page (but itself). Run as a script:
#   cmake -DPAGE=<page dir> -DTEMPLATE=<sw.js.in> -P TarnelWebWorker.cmake
file(GLOB_RECURSE files RELATIVE ${PAGE} ${PAGE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(sums "")
foreach(file IN LISTS files)
  file(SHA256 ${PAGE}/${file} sum)
  string(APPEND sums "${file} ${sum}\n")
endforeach()
string(SHA256 build "${sums}")
string(SUBSTRING ${build} 0 16 TARNEL_BUILD)
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
