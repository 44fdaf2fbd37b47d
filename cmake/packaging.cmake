# What `cmake --install` puts where, and the Debian package that CPack builds from it (`cpack -G DEB`).
include(GNUInstallDirs)

# On Windows one program folder holds everything: both programs, 7-Zip's tool as 7z.exe, where the programs look
# for it first, the scale, the README and its docs. tools/package-windows.sh adds Qt's and the runtime's DLLs and
# makes the zip and the installer from it.
if(WIN32)
    install(TARGETS sumafac-cli RUNTIME DESTINATION .)
    if(SUMAFAC_GUI)
        install(TARGETS sumafac RUNTIME DESTINATION .)
        # The chart and report module and the portfolio module, loaded by sumafac.exe from its own folder the first
        # time they are asked for.
        if(TARGET sumafac_charts)
            install(TARGETS sumafac_charts LIBRARY DESTINATION .)
        endif()
        install(TARGETS sumafac_portfolio_window LIBRARY DESTINATION .)
        # The icon that Explorer, the Start menu and the taskbar show, as a resource of sumafac.exe: the program's
        # pictures in the sizes Windows asks for, drawn into one .ico (the installer's own icon too).
        set(icon_pictures "")
        foreach(size 16 32 48 64 128 256)
            list(APPEND icon_pictures ${PROJECT_SOURCE_DIR}/data/icons/sumafac-${size}.png)
        endforeach()
        set(SUMAFAC_ICON ${PROJECT_BINARY_DIR}/sumafac.ico)
        find_program(SUMAFAC_CONVERT convert REQUIRED)
        execute_process(COMMAND ${SUMAFAC_CONVERT} ${icon_pictures} ${SUMAFAC_ICON} COMMAND_ERROR_IS_FATAL ANY)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${icon_pictures})
        configure_file(packaging/windows/sumafac_icon.rc.in ${PROJECT_BINARY_DIR}/sumafac_icon.rc @ONLY)
        target_sources(sumafac PRIVATE ${PROJECT_BINARY_DIR}/sumafac_icon.rc)
    endif()
    if(SUMAFAC_WINDOWS_ARCHIVE_TOOL)
        install(PROGRAMS ${SUMAFAC_WINDOWS_ARCHIVE_TOOL} DESTINATION . RENAME 7z.exe)
    endif()
    # Beside sumafac.exe: where the program folder is the executable's (the portable zip), the program reads it as
    # the user's own scale too; the same tables, so nothing changes.
    install(FILES data/escala-monotributo.csv DESTINATION .)
    install(FILES README.md DESTINATION .)
    # The pages and pictures the README links to, so that its links work from the program folder too.
    install(DIRECTORY docs/ DESTINATION docs)
    return()
endif()

install(TARGETS sumafac-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(SUMAFAC_GUI)
    install(TARGETS sumafac RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The chart and report module and the portfolio module, loaded by sumafac the first time they are asked for.
    if(TARGET sumafac_charts)
        install(TARGETS sumafac_charts LIBRARY DESTINATION ${SUMAFAC_CHART_MODULE_DIR})
    endif()
    install(TARGETS sumafac_portfolio_window LIBRARY DESTINATION ${SUMAFAC_CHART_MODULE_DIR})
endif()

# The shipped monotributo scale, for people to read and to copy when a new table comes out; the program has its
# tables built in.
install(FILES data/escala-monotributo.csv DESTINATION ${CMAKE_INSTALL_DATADIR}/sumafac)

# The menu entry and its icon, where freedesktop menus look for them.
install(FILES data/sumafac.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/icons/sumafac.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES data/icons/sumafac-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME sumafac.png)
endforeach()

set(CPACK_PACKAGE_NAME sumafac)
set(CPACK_PACKAGE_VENDOR "Sumafac")
set(CPACK_PACKAGE_CONTACT "Sumafac <sumafac@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Suma lo facturado por mes y por año a partir de los archivos de la AFIP")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Sumafac suma lo facturado electrónicamente, mes a mes, por año calendario y en los doce meses de julio a "
       "junio, a partir de los archivos que el contribuyente baja de la AFIP. Cada cifra es exacta al centavo.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries (Qt 6 widgets, gui and core, libzip4, the C++ runtime) come from dpkg-shlibdeps; the archive tool is
# run, not linked, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "p7zip-full")
# Qt's own texts in Spanish (file dialogs, message-box buttons); without them the program works, in English there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
