# The files the page carries for its languages, each cut to what the game
# shows (scripts/web/assets.py): the Latin faces every player needs,
# embedded in the program; and beside the page, fetched only by a player
# of that language, Qt's own catalogue and the faces of a script the Latin
# faces lack.
include_guard(GLOBAL)

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH tarnel_web_source_dir)
set(TARNEL_QT_TRANSLATIONS /usr/share/qt6/translations
  CACHE PATH "The host Qt's own catalogues (qtbase_*.qm)")
set(TARNEL_FONTS /usr/share/fonts
  CACHE PATH "Where Debian's fonts-liberation, fonts-dejavu-core, fonts-noto-core and fonts-noto-cjk put their faces")

# Each script the Latin faces lack: its languages, and the faces each of
# them fetches, cut to that language's texts. Liberation's own Cyrillic and
# Greek letters replace the Latin cut (a face added later under the same
# name wins); Arabic and Hebrew, which Liberation lacks, come from DejaVu
# Sans, the face Qt's page platform falls back to for every family; the Han,
# Devanagari, Bengali and Thai faces are named by the game's fonts per
# language, the last three drawing their script beside the Latin faces; and
# Vietnamese is written in Noto's faces, which have all of its letters.
set(tarnel_latin_faces
  truetype/liberation/LiberationSans-Regular.ttf
  truetype/liberation/LiberationSans-Bold.ttf
  truetype/liberation/LiberationSerif-Bold.ttf)
set(tarnel_script_groups cyrillic_greek arabic_hebrew han devanagari bengali thai vietnamese)
set(tarnel_cyrillic_greek_languages bg el ru uk)
set(tarnel_cyrillic_greek_faces ${tarnel_latin_faces})
set(tarnel_arabic_hebrew_languages ar fa he)
set(tarnel_arabic_hebrew_faces truetype/dejavu/DejaVuSans.ttf truetype/dejavu/DejaVuSans-Bold.ttf)
set(tarnel_han_languages ja ko zh_CN zh_TW)
set(tarnel_han_faces opentype/noto/NotoSansCJK-Regular.ttc opentype/noto/NotoSansCJK-Bold.ttc)
set(tarnel_devanagari_languages hi)
set(tarnel_bengali_languages bn)
set(tarnel_thai_languages th)
foreach(script Devanagari Bengali Thai)
  string(TOLOWER ${script} group)
  set(tarnel_${group}_faces
    truetype/noto/NotoSans${script}-Regular.ttf truetype/noto/NotoSans${script}-Bold.ttf)
  set(tarnel_${group}_options --beside-latin)
endforeach()
set(tarnel_vietnamese_languages vi)
set(tarnel_vietnamese_faces truetype/noto/NotoSans-Regular.ttf truetype/noto/NotoSans-Bold.ttf
  truetype/noto/NotoSerif-Bold.ttf)

# The file beside the page a face becomes for `language`:
# fonts/ru-LiberationSans-Regular.ttf; a collection's face is an .otf.
function(tarnel_fetched_face language face result)
  get_filename_component(stem ${face} NAME_WE)
  get_filename_component(extension ${face} LAST_EXT)
  if(extension STREQUAL ".ttc")
    set(extension .otf)
  endif()
  set(${result} fonts/${language}-${stem}${extension} PARENT_SCOPE)
endfunction()

# Makes, with the target tarnel_web_assets: in `page_dir`, i18n/qtbase_<L>.qm
# for every language L of the game that Qt has a catalogue for (the game
# carries its own few of Qt's texts, qt_<L>.ts, for the others), and the
# fonts/ of each script group; in `target`, the Latin faces under :/fonts/
# and under :/page/fetched one line per language that fetches anything:
# the language, then the files.
function(tarnel_web_assets page_dir target)
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
  set(script ${tarnel_web_source_dir}/scripts/web/assets.py)
  set(run ${TARNEL_HOST_PYTHON} ${script})

  file(GLOB ts_files CONFIGURE_DEPENDS ${tarnel_web_source_dir}/src/ui/translations/tarnel_*.ts)
  set(outputs)
  set(fetched_lines)
  set(latin_args)
  foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME_WE)
    string(REGEX REPLACE "^tarnel_" "" language ${name})
    set(qt_qm ${TARNEL_QT_TRANSLATIONS}/qtbase_${language}.qm)
    set(texts --ts ${ts})
    set(fetched)
    set(qt_qm_depends)
    set(own_qt_ts ${tarnel_web_source_dir}/src/ui/translations/qt_${language}.ts)
    if(EXISTS ${qt_qm})
      set(qt_qm_depends ${qt_qm})
      add_custom_command(OUTPUT ${page_dir}/i18n/qtbase_${language}.qm
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}/i18n
        COMMAND ${run} catalogue --lconvert ${TARNEL_LCONVERT} ${qt_qm}
                ${page_dir}/i18n/qtbase_${language}.qm
        DEPENDS ${script} ${qt_qm} VERBATIM)
      list(APPEND outputs ${page_dir}/i18n/qtbase_${language}.qm)
      list(APPEND fetched i18n/qtbase_${language}.qm)
      list(APPEND texts --qt-qm ${qt_qm})
    elseif(EXISTS ${own_qt_ts})
      list(APPEND texts --ts ${own_qt_ts})
      set(qt_qm_depends ${own_qt_ts})
    endif()
    set(group latin)
    foreach(candidate IN LISTS tarnel_script_groups)
      if(language IN_LIST tarnel_${candidate}_languages)
        set(group ${candidate})
      endif()
    endforeach()
    if(group STREQUAL "latin")
      list(APPEND latin_args ${texts})
    else()
      set(pairs)
      set(faces)
      foreach(face IN LISTS tarnel_${group}_faces)
        tarnel_fetched_face(${language} ${face} file)
        list(APPEND pairs ${TARNEL_FONTS}/${face} ${page_dir}/${file})
        list(APPEND faces ${page_dir}/${file})
        list(APPEND fetched ${file})
      endforeach()
      add_custom_command(OUTPUT ${faces}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}/fonts
        COMMAND ${run} faces --lconvert ${TARNEL_LCONVERT} --language ${language}
                ${tarnel_${group}_options} ${texts} ${pairs}
        DEPENDS ${script} ${ts} ${qt_qm_depends} VERBATIM
        COMMENT "Cutting the faces for ${language}")
      list(APPEND outputs ${faces})
    endif()
    if(fetched)
      list(JOIN fetched " " files)
      string(APPEND fetched_lines "${language} ${files}\n")
    endif()
  endforeach()
  # What the page says before the program runs, in every language.
  add_custom_command(OUTPUT ${page_dir}/loader-texts.js
    COMMAND ${run} loader ${ts_files} ${page_dir}/loader-texts.js
    DEPENDS ${script} ${ts_files} VERBATIM)
  list(APPEND outputs ${page_dir}/loader-texts.js)
  add_custom_target(tarnel_web_assets ALL DEPENDS ${outputs})
  add_dependencies(${target} tarnel_web_assets)

  # The Latin faces, cut to every Latin language's texts, in the program.
  set(latin_dir ${CMAKE_CURRENT_BINARY_DIR}/latin-fonts)
  set(pairs)
  set(faces)
  foreach(face IN LISTS tarnel_latin_faces)
    get_filename_component(file ${face} NAME)
    list(APPEND pairs ${TARNEL_FONTS}/${face} ${latin_dir}/${file})
    list(APPEND faces ${latin_dir}/${file})
  endforeach()
  set(latin_inputs ${latin_args})
  list(FILTER latin_inputs EXCLUDE REGEX "^--")
  add_custom_command(OUTPUT ${faces}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${latin_dir}
    COMMAND ${run} faces --lconvert ${TARNEL_LCONVERT} ${latin_args} ${pairs}
    DEPENDS ${script} ${latin_inputs} VERBATIM
    COMMENT "Cutting the Latin faces")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/fetched "${fetched_lines}")
  qt_add_resources(${target} tarnel_web_files PREFIX /fonts BASE ${latin_dir} FILES ${faces})
  qt_add_resources(${target} tarnel_web_fetched PREFIX /page BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${CMAKE_CURRENT_BINARY_DIR}/fetched)
endfunction()
