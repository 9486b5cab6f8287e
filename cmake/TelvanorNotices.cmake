# Writes NOTICES.txt into the current binary folder: the program's own notices (a template
# with @PROJECT_VERSION@ in it), then those of Qt, of the libraries built into it and of the
# toolchain's runtime, gathered when this Qt was built, then those of the built-in fonts,
# with the copyright of their Debian packages.
function(telvanor_write_notices template)
    file(READ ${template} notices)
    string(CONFIGURE "${notices}" notices @ONLY)
    file(READ ${QT6_INSTALL_PREFIX}/share/telvanor/third-party-notices.txt thirdParty)
    foreach(package IN ITEMS fonts-dejavu-core fonts-liberation2)
        file(READ /usr/share/doc/${package}/copyright copyright)
        string(APPEND thirdParty "\n==== ${package} (Debian) ====\n\n${copyright}")
    endforeach()
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/NOTICES.txt "${notices}${thirdParty}")
endfunction()
