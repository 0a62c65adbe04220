# Installs the build into a scratch prefix and checks what a desktop and a package manager
# rely on: every installed entry is in the install manifest (so removing what it lists
# leaves nothing), bin/tolvane runs the program in its private folder beside codec links
# that resolve, the desktop entry and the metadata validate, and the Debian package has
# the right control fields and files.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

file(STRINGS "${BUILD}/install_manifest.txt" manifest)
file(GLOB_RECURSE installed LIST_DIRECTORIES false "${PREFIX}/*")
foreach(entry IN LISTS installed)
  if(NOT entry IN_LIST manifest)
    message(FATAL_ERROR "${entry} was installed but is not in install_manifest.txt")
  endif()
endforeach()

file(REAL_PATH "${PREFIX}/bin/tolvane" program)
set(private "${PREFIX}/lib/tolvane")
if(NOT program STREQUAL "${private}/tolvane")
  message(FATAL_ERROR "bin/tolvane runs ${program}, not the program in ${private}")
endif()
foreach(name amrcodec.dll avcodec.dll avformat.dll avutil.dll)
  if(NOT EXISTS "${private}/${name}")
    message(FATAL_ERROR "${private}/${name} is missing or dangles")
  endif()
endforeach()

set(id example.tolvane.Tolvane)
set(desktop "${PREFIX}/share/applications/${id}.desktop")
set(metainfo "${PREFIX}/share/metainfo/${id}.metainfo.xml")
foreach(file "${desktop}" "${metainfo}" "${PREFIX}/share/icons/hicolor/scalable/apps/${id}.svg"
             "${PREFIX}/share/icons/hicolor/48x48/apps/${id}.png"
             "${PREFIX}/share/man/man1/tolvane.1.gz" "${PREFIX}/share/doc/tolvane/copyright"
             "${PREFIX}/share/tolvane/translations/tolvane_de.qm"
             "${PREFIX}/share/tolvane/translations/tolvane_zh_CN.qm"
             "${PREFIX}/share/tolvane/translations/tolvane_ar.qm"
             "${PREFIX}/share/tolvane/translations/qtbase_hi.qm"
             "${PREFIX}/share/tolvane/translations/qtbase_vi.qm")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()

# The desktop entry and the metadata speak every language the program does.
file(READ "${desktop}" entry)
file(READ "${metainfo}" metadata)
list(REMOVE_ITEM LANGUAGES en)
foreach(language IN LISTS LANGUAGES)
  foreach(expected "GenericName[${language}]=" "Comment[${language}]="
                   "<summary xml:lang=\"${language}\">" "<p xml:lang=\"${language}\">")
    string(FIND "${entry}${metadata}" "${expected}" at)
    if(at LESS 0 OR NOT EXISTS "${PREFIX}/share/tolvane/translations/tolvane_${language}.qm")
      message(FATAL_ERROR "${language}: ${expected} is missing, or tolvane_${language}.qm")
    endif()
  endforeach()
endforeach()

find_program(desktop_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(desktop_validate AND appstreamcli)
  execute_process(COMMAND "${desktop_validate}" "${desktop}" RESULT_VARIABLE failed)
  execute_process(COMMAND "${appstreamcli}" validate --no-net "${metainfo}"
                  OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed2)
  if(failed OR failed2)
    message(FATAL_ERROR "the desktop entry or the metadata does not validate:\n${said}")
  endif()
else()
  message(STATUS "SKIPPED: desktop-file-validate or appstreamcli is not installed")
endif()

# Removing by the manifest leaves only folders behind.
foreach(entry IN LISTS manifest)
  file(REMOVE "${entry}")
endforeach()
file(GLOB_RECURSE left LIST_DIRECTORIES false "${PREFIX}/*")
if(left)
  message(FATAL_ERROR "left behind after removing the manifest's entries: ${left}")
endif()
file(REMOVE_RECURSE "${PREFIX}")

find_program(dpkg_deb dpkg-deb)
find_program(dpkg_shlibdeps dpkg-shlibdeps)
if(NOT dpkg_deb OR NOT dpkg_shlibdeps)
  message(STATUS "SKIPPED: the package check needs dpkg-deb and dpkg-shlibdeps (dpkg-dev)")
  return()
endif()
set(packages "${PREFIX}-package")
file(REMOVE_RECURSE "${packages}")
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD}/CPackConfig.cmake"
                        -B "${packages}"
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
file(GLOB deb "${packages}/tolvane_1.4_*.deb")
if(failed OR NOT deb)
  message(FATAL_ERROR "cpack made no tolvane_1.4_<arch>.deb:\n${said}")
endif()
execute_process(COMMAND "${dpkg_deb}" -f "${deb}" Package Version Depends Recommends
                OUTPUT_VARIABLE fields)
foreach(expected "Package: tolvane" "Version: 1.4" " ffmpeg," " libavcodec-extra," "libavformat"
                 "libavutil" "libqt6widgets6" "Recommends: qt6-translations-l10n, qt6-wayland")
  string(FIND "${fields}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package's control fields lack \"${expected}\":\n${fields}")
  endif()
endforeach()
execute_process(COMMAND "${dpkg_deb}" -c "${deb}" OUTPUT_VARIABLE contents)
foreach(expected "./usr/bin/tolvane -> ../lib/tolvane/tolvane" "./usr/lib/tolvane/amrcodec.dll -> "
                 "./usr/lib/tolvane/avcodec.dll -> " "./usr/share/doc/tolvane/copyright"
                 "./usr/share/doc/tolvane/changelog.gz" "./usr/share/man/man1/tolvane.1.gz"
                 "./usr/share/applications/${id}.desktop" "./usr/share/metainfo/${id}.metainfo.xml"
                 "./usr/share/icons/hicolor/256x256/apps/${id}.png"
                 "./usr/share/tolvane/translations/tolvane_ja.qm"
                 "./usr/share/tolvane/translations/qtbase_id.qm")
  string(FIND "${contents}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package lacks ${expected}:\n${contents}")
  endif()
endforeach()
file(REMOVE_RECURSE "${packages}")
