# Checks that the program's icon is a 32 x 32 PNG with at most 256 colours, that is an
# indexed-colour PNG (whose depth is at most 8 bits):
#   cmake -DICON=file.png -P CheckProgramIcon.cmake
file(READ "${ICON}" header LIMIT 26 HEX)
# Bytes 0-7: the PNG signature; 12-15: "IHDR"; 16-23: width and height; 25: colour type.
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 24 8 chunk)
string(SUBSTRING "${header}" 32 16 size)
string(SUBSTRING "${header}" 50 2 colourType)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    message(FATAL_ERROR "${ICON} is not a PNG file")
endif()
if(NOT size STREQUAL "0000002000000020")
    message(FATAL_ERROR "${ICON} is not 32 x 32 pixels (width and height in hex: ${size})")
endif()
if(NOT colourType STREQUAL "03")
    message(FATAL_ERROR "${ICON} has colour type ${colourType}, not 3 (indexed, at most 256 colours)")
endif()
