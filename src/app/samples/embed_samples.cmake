# Turns the sample files into byte arrays in one C++ source, keeping the order of the list.
# Called as: cmake -DSAMPLE_DIR=... -DSAMPLE_NAMES=a|b|... -DOUTPUT=... -P embed_samples.cmake
string(REPLACE "|" ";" names "${SAMPLE_NAMES}")

set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS names)
  file(READ "${SAMPLE_DIR}/${name}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # Every byte becomes a hex escape, 16 to a string literal line; a hex escape ends at the next
  # backslash, so no byte can run into the one after it.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(REPEAT "\\\\x[0-9a-f][0-9a-f]" 16 line)
  string(REGEX REPLACE "(${line})" "\\1\"\n    \"" escaped "${escaped}")
  string(APPEND arrays "// ${name}\nconst unsigned char sample${index}[] =\n    \"${escaped}\";\n\n")
  string(APPEND entries "      {\"${name}\", sample${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(WRITE "${OUTPUT}.new"
"// Generated at build time from assets/samples by embed_samples.cmake.
#include \"app/samples/sample_files.h\"

namespace korvale {
namespace {

${arrays}}  // namespace

const std::vector<SampleFile>& sampleFiles() {
  static const std::vector<SampleFile> files = {
${entries}  };
  return files;
}

}  // namespace korvale
")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
