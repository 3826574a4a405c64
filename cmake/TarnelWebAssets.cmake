# The files the page loads besides the program (the WebAssembly build):
# Qt's own catalogue for each of the game's languages, and the Han faces
# cut to what each language that writes Han characters needs, each fetched
# only for a player of that language. And the Latin faces every player
# needs, embedded in the program.
include_guard(GLOBAL)

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH tarnel_web_source_dir)
set(TARNEL_QT_TRANSLATIONS /usr/share/qt6/translations
  CACHE PATH "The host Qt's own catalogues (qtbase_*.qm)")
set(TARNEL_CJK_FONTS /usr/share/fonts/opentype/noto
  CACHE PATH "Where NotoSansCJK-Regular.ttc and -Bold.ttc are")
set(TARNEL_LATIN_FONTS /usr/share/fonts/truetype/liberation
  CACHE PATH "Where the Liberation faces are")

# page_dir/i18n/qtbase_<language>.qm for every language of the game that Qt
# has a catalogue for, and page_dir/fonts/han-<language>-{regular,bold}.otf
# for ja, ko, zh_CN and zh_TW; made by the target tarnel_web_assets.
function(tarnel_web_assets page_dir)
  # Debian's python, which has fontTools (python3-fonttools); the host's
  # Qt tools, as the target's Qt has none.
  find_program(TARNEL_HOST_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED
    NO_CMAKE_FIND_ROOT_PATH)
  find_program(TARNEL_LCONVERT lconvert PATHS /usr/lib/qt6/bin REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  execute_process(COMMAND ${TARNEL_HOST_PYTHON} -c "import fontTools"
    RESULT_VARIABLE no_fonttools OUTPUT_QUIET ERROR_QUIET)
  if(no_fonttools)
    message(FATAL_ERROR "${TARNEL_HOST_PYTHON} lacks fontTools: scripts/deps.sh installs it")
  endif()

  set(script ${tarnel_web_source_dir}/scripts/web/subset_fonts.py)
  set(regular ${TARNEL_CJK_FONTS}/NotoSansCJK-Regular.ttc)
  set(bold ${TARNEL_CJK_FONTS}/NotoSansCJK-Bold.ttc)
  file(GLOB ts_files CONFIGURE_DEPENDS ${tarnel_web_source_dir}/src/ui/translations/tarnel_*.ts)
  set(outputs)
  foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME_WE)
    string(REGEX REPLACE "^tarnel_" "" language ${name})
    set(qt_qm ${TARNEL_QT_TRANSLATIONS}/qtbase_${language}.qm)
    set(qt_qm_option)
    set(qt_qm_depends)
    if(EXISTS ${qt_qm})
      set(page_qm ${page_dir}/i18n/qtbase_${language}.qm)
      add_custom_command(OUTPUT ${page_qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}/i18n
        COMMAND ${CMAKE_COMMAND} -E copy ${qt_qm} ${page_qm}
        DEPENDS ${qt_qm} VERBATIM)
      list(APPEND outputs ${page_qm})
      set(qt_qm_option --qt-qm ${qt_qm})
      set(qt_qm_depends ${qt_qm})
    endif()
    if(language MATCHES "^(ja|ko|zh_CN|zh_TW)$")
      set(fonts ${page_dir}/fonts/han-${language}-regular.otf
                ${page_dir}/fonts/han-${language}-bold.otf)
      add_custom_command(OUTPUT ${fonts}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}/fonts
        COMMAND ${TARNEL_HOST_PYTHON} ${script} ${qt_qm_option} --lconvert ${TARNEL_LCONVERT}
                ${language} ${ts} ${regular} ${page_dir}/fonts/han-${language}-regular.otf
                ${bold} ${page_dir}/fonts/han-${language}-bold.otf
        DEPENDS ${script} ${ts} ${qt_qm_depends} ${regular} ${bold}
        COMMENT "Cutting the Han faces for ${language}" VERBATIM)
      list(APPEND outputs ${fonts})
    endif()
  endforeach()
  add_custom_target(tarnel_web_assets ALL DEPENDS ${outputs})
endfunction()

# Liberation Sans regular and bold and Liberation Serif bold in `target`,
# under :/fonts/, for the page, which cannot read the machine's fonts.
function(tarnel_web_latin_fonts target)
  set(faces LiberationSans-Regular.ttf LiberationSans-Bold.ttf LiberationSerif-Bold.ttf)
  list(TRANSFORM faces PREPEND ${TARNEL_LATIN_FONTS}/)
  qt_add_resources(${target} tarnel_latin_fonts PREFIX /fonts BASE ${TARNEL_LATIN_FONTS}
    FILES ${faces})
endfunction()
