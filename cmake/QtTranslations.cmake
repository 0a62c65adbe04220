# Qt's own texts (its file dialog, message box buttons, line edit menu) in the languages
# Debian's qt6-translations-l10n has no qtbase translation for: translations/qt/
# qtbase_<language>.ts, made into .qm files beside the program's own and installed with
# them. TTranslations loads one only when Qt's own folder has none for the language.
# Hooked onto the library the window is built in, so that every program and test showing
# it finds them in the build's share/ too.
set(TOLVANE_QT_LANGUAGES hi id vi)
set(_tolvane_qt_hook tolvane_window)

set(_tolvane_qt_ts "")
foreach(_language ${TOLVANE_QT_LANGUAGES})
  list(APPEND _tolvane_qt_ts "${CMAKE_SOURCE_DIR}/translations/qt/qtbase_${_language}.ts")
endforeach()
set_source_files_properties(${_tolvane_qt_ts} PROPERTIES
  OUTPUT_LOCATION "${CMAKE_BINARY_DIR}/share/tolvane/translations")
add_custom_target(tolvane_qt_translations ALL)
qt_add_lrelease(tolvane_qt_translations TS_FILES ${_tolvane_qt_ts}
                QM_FILES_OUTPUT_VARIABLE _tolvane_qt_qm)
add_dependencies(${_tolvane_qt_hook} tolvane_qt_translations)
install(FILES ${_tolvane_qt_qm} DESTINATION "${CMAKE_INSTALL_DATADIR}/tolvane/translations")
