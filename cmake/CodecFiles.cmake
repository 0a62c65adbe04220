# The codec is Debian's ffmpeg. The program looks for it beside itself under the names it
# tests, so the build and the installation link those names to this ffmpeg and to the very
# libraries it loads (cmake/CodecLinks.cmake).

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
message(STATUS "Codec: ${TOLVANE_FFMPEG}")

set(TOLVANE_CODEC_FILES amrcodec.dll avcodec.dll avformat.dll avutil.dll)
set(_tolvane_make_links ${CMAKE_COMMAND} -DFFMPEG=${TOLVANE_FFMPEG})
set(_tolvane_links_script "${CMAKE_CURRENT_LIST_DIR}/CodecLinks.cmake")

# Makes the codec links in `dir` at every build, so that they follow the machine's FFmpeg.
function(tolvane_add_codec_links target dir)
  add_custom_target(${target} ALL
                    COMMAND ${_tolvane_make_links} -DDIR=${dir} -P ${_tolvane_links_script}
                    COMMENT "Linking the codec files")
endfunction()

# The same links beside the installed executable, resolved when installing and recorded in
# the install manifest like every other file.
function(tolvane_install_codec_links destination)
  set(staging "${CMAKE_BINARY_DIR}/install-links/codec")
  string(REPLACE ";" "\" \"" command "${_tolvane_make_links}")
  install(CODE "execute_process(COMMAND \"${command}\" -DDIR=${staging}
                                \"-DFINAL_DIR=\${CMAKE_INSTALL_PREFIX}/${destination}\"
                                -P \"${_tolvane_links_script}\" COMMAND_ERROR_IS_FATAL ANY)")
  list(TRANSFORM TOLVANE_CODEC_FILES PREPEND "${staging}/" OUTPUT_VARIABLE files)
  install(FILES ${files} DESTINATION "${destination}")
endfunction()
