# The Windows programs are linked by LLVM's linker. GNU ld keeps the unwind table of every
# function it is given, and with it every function, so its --gc-sections removed little: with
# lld, pipeweight.exe is 0.34 MB and the installer 0.08 MB smaller (bench/windows/size.py).
# Debian's mingw-w64 compilers name their linker by its full path and ignore -fuse-ld, so GCC
# runs its linker step through link-with-lld, which hands the same arguments to lld.
add_link_options(-wrapper ${CMAKE_CURRENT_LIST_DIR}/link-with-lld)
