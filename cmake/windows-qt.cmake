# Qt for Windows in a cross build: what a program linking it needs beyond find_package.
# Qt's DLLs link libstdc++, libgcc and winpthread as DLLs; a program linking Qt does the same instead of carrying a
# second, static copy of the C++ runtime (cmake/mingw-w64-x86_64.cmake links every other executable -static).
set_property(TARGET Qt6::Core APPEND PROPERTY COMPATIBLE_INTERFACE_BOOL SUMAFAC_SHARED_RUNTIME)
set_property(TARGET Qt6::Core PROPERTY INTERFACE_SUMAFAC_SHARED_RUNTIME ON)
