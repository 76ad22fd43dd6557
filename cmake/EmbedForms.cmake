# Run as a script: writes OUT, a C++ source that registers each of FILES
# ("|"-separated) as a form description under its base name.
string(REPLACE "|" ";" files "${FILES}")
set(body "")
set(calls "")
set(n 0)
foreach(f IN LISTS files)
  get_filename_component(name ${f} NAME_WE)
  file(READ ${f} hex HEX)
  string(LENGTH "${hex}" len)
  math(EXPR size "${len} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
  string(APPEND body "const unsigned char Form${n}[] = {\n    ${bytes}0};\n")
  string(APPEND calls "        RegisterFormResource(\"${name}\", std::string_view(reinterpret_cast<const char*>(Form${n}), ${size}));\n")
  math(EXPR n "${n} + 1")
endforeach()
set(text "// Generated at build time from the form descriptions; do not edit.
#include \"platform/vcl/TFormResources.h\"

#include <string_view>

namespace {
${body}
struct TEmbeddedForms {
    TEmbeddedForms() {
${calls}    }
} EmbeddedForms;
} // namespace
")
# Rewrite only on a change, so nothing rebuilds needlessly.
if(EXISTS ${OUT})
  file(READ ${OUT} old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE ${OUT} "${text}")
