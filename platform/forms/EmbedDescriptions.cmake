# Stored window descriptions built into a program.
#
#   include(${PROJECT_SOURCE_DIR}/platform/forms/EmbedDescriptions.cmake)
#   pellomir_embed_descriptions(<target> <function> FILES Unit1.form Unit2.form)
#
# adds to <target> a generated source defining `void <function>()`, declared in the
# generated header "<function>.h" (on the target's include path), which registers every
# file under its file name with forms::RegisterDescription. A form class then finds its
# description by the class name its root object names. The files are read at build time:
# changing one rebuilds the generated source.

set(PELLOMIR_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(pellomir_embed_descriptions target function)
  cmake_parse_arguments(A "" "" "FILES" ${ARGN})
  set(outDir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(generated)
  set(calls "")
  set(index 0)
  foreach(file ${A_FILES})
    get_filename_component(abs ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME)
    set(out ${outDir}/${function}_${index}.cpp)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DEMBED_IN=${abs} -DEMBED_OUT=${out} -DEMBED_SYMBOL=${function}_${index}
              -P ${PELLOMIR_EMBED_SCRIPT}
      DEPENDS ${abs} ${PELLOMIR_EMBED_SCRIPT}
      COMMENT "Embedding ${name}"
      VERBATIM)
    list(APPEND generated ${out})
    string(APPEND calls "  extern const unsigned char ${function}_${index}[];\n")
    string(APPEND calls "  extern const unsigned long ${function}_${index}_size;\n")
    string(APPEND calls "  forms::RegisterDescription(u\"${name}\", std::string_view(reinterpret_cast<const char*>(${function}_${index}), ${function}_${index}_size));\n")
    math(EXPR index "${index} + 1")
  endforeach()
  file(MAKE_DIRECTORY ${outDir})
  set(header ${outDir}/${function}.h)
  file(WRITE ${header}.in "#pragma once\n// Generated: registers the embedded window descriptions.\nvoid ${function}();\n")
  configure_file(${header}.in ${header} COPYONLY)
  set(main ${outDir}/${function}.cpp)
  file(WRITE ${main}.in "// Generated: registers the embedded window descriptions.\n#include <string_view>\n\n#include \"platform/forms/Filer.h\"\n\nvoid ${function}() {\n${calls}}\n")
  configure_file(${main}.in ${main} COPYONLY)
  target_sources(${target} PRIVATE ${main} ${generated})
  target_include_directories(${target} PRIVATE ${outDir})
endfunction()

# Script mode: one file into a byte array.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED EMBED_IN)
  file(READ "${EMBED_IN}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(WRITE "${EMBED_OUT}.tmp"
       "// Generated from ${EMBED_IN}.\nextern const unsigned char ${EMBED_SYMBOL}[];\nextern const unsigned long ${EMBED_SYMBOL}_size;\n"
       "const unsigned char ${EMBED_SYMBOL}[] = {${bytes}0};\nconst unsigned long ${EMBED_SYMBOL}_size = ${size};\n")
  file(RENAME "${EMBED_OUT}.tmp" "${EMBED_OUT}")
endif()
