# The compiler and linker flags of every target: warnings, character sets,
# sanitizers, reproducible Windows programs, and single precision where asked.
# Warnings are errors everywhere; the program's texts are UTF-8 in the source and
# GBK (code page 936) in the Windows build, where the ANSI calls read them.

if(MSVC)
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:/W4> $<$<COMPILE_LANGUAGE:CXX>:/WX> $<$<COMPILE_LANGUAGE:CXX>:/permissive->
                        $<$<COMPILE_LANGUAGE:CXX>:/source-charset:utf-8> $<$<COMPILE_LANGUAGE:CXX>:/execution-charset:.936>)
else()
    add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wno-sign-conversion;-Werror>")
    # clang takes no -fexec-charset but UTF-8: its toolchain file converts instead.
    if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8;-fexec-charset=GBK>")
    endif()
endif()

if(VELTRO_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The same commit gives the same programs byte for byte: no build folder paths in
# the objects, no link time in a PE header.
if(NOT MSVC)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()
if(WIN32 AND NOT MSVC)
    add_link_options(-Wl,--no-insert-timestamp)
endif()

# Every intermediate result of the searches and of judging is rounded to single
# precision, as the game computes: no fused multiply-add may skip a rounding.
function(veltro_single_precision target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -ffp-contract=off)
    endif()
endfunction()
