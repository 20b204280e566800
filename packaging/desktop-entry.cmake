# Writes one menu entry at install time: ENTRY from TEMPLATE, with @VISTREL_EXEC@
# replaced by SCRIPT quoted as the desktop-entry format wants it.
#   cmake -DTEMPLATE=... -DENTRY=... -DSCRIPT=... -P desktop-entry.cmake  (or include())

# Inside the quotes ", `, $ and \ take a backslash; the file format then
# doubles every backslash once more, and % is the field-code sign.
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${SCRIPT}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
string(REPLACE "%" "%%" quoted "${quoted}")
set(VISTREL_EXEC "\"${quoted}\"")
configure_file("${TEMPLATE}" "${ENTRY}" @ONLY)
