# The codec is Debian's ffmpeg. The program looks for it beside itself under the names it
# tests, so the build (and the installation) link those names to this ffmpeg and to the
# very libraries it loads.

find_program(TOLVANE_FFMPEG ffmpeg)
if(NOT TOLVANE_FFMPEG)
  message(FATAL_ERROR
    "ffmpeg was not found. Install the Debian packages ffmpeg and libavcodec-extra "
    "(scripts/install-deps does it).")
endif()

execute_process(COMMAND "${TOLVANE_FFMPEG}" -hide_banner -encoders
                OUTPUT_VARIABLE _tolvane_encoders ERROR_QUIET)
foreach(_encoder libopencore_amrnb libmp3lame)
  if(NOT _tolvane_encoders MATCHES " ${_encoder} ")
    message(FATAL_ERROR
      "${TOLVANE_FFMPEG} has no ${_encoder} encoder, which Tolvane needs. "
      "Install the Debian package libavcodec-extra.")
  endif()
endforeach()

execute_process(COMMAND ldd "${TOLVANE_FFMPEG}" OUTPUT_VARIABLE _tolvane_ldd ERROR_QUIET)
set(TOLVANE_CODEC_LINKS "amrcodec.dll" "${TOLVANE_FFMPEG}")
foreach(_lib avcodec avformat avutil)
  if(NOT _tolvane_ldd MATCHES "lib${_lib}\\.so[^ \t]* => ([^ \t]+)")
    message(FATAL_ERROR "Cannot tell which lib${_lib} ${TOLVANE_FFMPEG} loads (ldd).")
  endif()
  list(APPEND TOLVANE_CODEC_LINKS "${_lib}.dll" "${CMAKE_MATCH_1}")
endforeach()
message(STATUS "Codec: ${TOLVANE_FFMPEG}")

# Makes the four codec links in `dir` (at build time, so a removed link comes back).
function(tolvane_add_codec_links target dir)
  set(_commands "")
  set(_links ${TOLVANE_CODEC_LINKS})
  while(_links)
    list(POP_FRONT _links _name _file)
    list(APPEND _commands COMMAND ${CMAKE_COMMAND} -E create_symlink "${_file}" "${dir}/${_name}")
  endwhile()
  add_custom_target(${target} ALL
                    COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}" ${_commands}
                    COMMENT "Linking the codec files")
endfunction()

# The same links beside the installed executable.
function(tolvane_install_codec_links destination)
  set(_links ${TOLVANE_CODEC_LINKS})
  while(_links)
    list(POP_FRONT _links _name _file)
    install(CODE "file(CREATE_LINK \"${_file}\"
                   \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/${_name}\" SYMBOLIC)")
  endwhile()
endfunction()
