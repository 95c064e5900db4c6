# The fuzz build (HC_FUZZ): every target is compiled for libFuzzer's coverage feedback and with
# AddressSanitizer and UndefinedBehaviorSanitizer, float-cast-overflow included. Included before
# the folders are added so that the libraries under test are instrumented too.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "HC_FUZZ needs clang for libFuzzer; use the fuzz preset")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
                    -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined,float-cast-overflow)
