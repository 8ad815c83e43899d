# Script mode: copies the description IN to OUT, replacing every "{@Name.png@}" mark with
# the stored picture data of PICTURES/Name.png (the graphic class name "TPngImage" with its
# length byte, then the file's bytes, in hexadecimal lines).
file(READ "${IN}" text)
string(REPEAT "[0-9A-F]" 64 line)
string(REGEX MATCHALL "{@[A-Za-z0-9_]+\\.png@}" marks "${text}")
list(REMOVE_DUPLICATES marks)
foreach(mark ${marks})
  string(REGEX REPLACE "^{@(.*)@}$" "\\1" name "${mark}")
  file(READ "${PICTURES}/${name}" hex HEX)
  string(TOUPPER "0954506E67496D616765${hex}" hex)
  string(REGEX REPLACE "(${line})" "\\1\n        " lines "${hex}")
  string(REPLACE "${mark}" "{\n        ${lines}}" text "${text}")
endforeach()
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
