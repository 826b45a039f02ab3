# Warnings are errors everywhere; the program's texts are UTF-8 in the source and
# GBK (code page 936) in the Windows build, where the ANSI calls read them.

if(MSVC)
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:/W4> $<$<COMPILE_LANGUAGE:CXX>:/WX> $<$<COMPILE_LANGUAGE:CXX>:/permissive->
                        $<$<COMPILE_LANGUAGE:CXX>:/source-charset:utf-8> $<$<COMPILE_LANGUAGE:CXX>:/execution-charset:.936>)
else()
    add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wno-sign-conversion;-Werror>")
    if(WIN32)
        add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8;-fexec-charset=GBK>")
    endif()
endif()

if(VELTRO_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
