# Installs the desktop entry with an Exec line that starts the program from the prefix it is
# installed under: by name when its folder is one that every session searches, by its full
# path otherwise (a home or /opt prefix that is not on the desktop session's PATH).
# Set by the install rule: mirtal_desktop_entry (the source file), mirtal_bindir and
# mirtal_applications_dir (relative to the prefix), mirtal_staging (a folder of the build).
set(program "${CMAKE_INSTALL_PREFIX}/${mirtal_bindir}/mirtal")
cmake_path(NORMAL_PATH program)
cmake_path(GET program PARENT_PATH folder)
if(folder MATCHES "^/(usr/(local/)?)?bin$")
    set(exec mirtal)
elseif(program MATCHES "^[A-Za-z0-9_./+-]+$")
    set(exec "${program}")
else()
    # Quoted as the desktop entry format asks; its string values escape backslashes again.
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${program}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    string(REPLACE "%" "%%" quoted "${quoted}")
    set(exec "\"${quoted}\"")
endif()
file(READ "${mirtal_desktop_entry}" entry)
string(REPLACE "\nExec=mirtal\n" "\nExec=${exec}\n" entry "${entry}")
# Installs into several prefixes at once (the tests do) each write their own copy.
string(MD5 install_key "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
cmake_path(GET mirtal_desktop_entry FILENAME name)
set(staged "${mirtal_staging}/${install_key}/${name}")
file(WRITE "${staged}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${mirtal_applications_dir}" TYPE FILE
     FILES "${staged}")
