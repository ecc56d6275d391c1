# tessera_install_configured(TEMPLATE DESTINATION DIR COMPONENT NAME
#                            [RENAME NAME] [PERMISSIONS ...])
#
# Installs the file that TEMPLATE makes once the installation prefix is
# known, that is at install time: `cmake --install --prefix DIR`, DESTDIR
# and CPack's staging all give the prefix only then. The template and
# DESTINATION may use, in @var@ form:
#   prefix, bindir, libdir, includedir   absolute, under the prefix;
#   sysconfdir      /etc for the prefix /usr, else PREFIX/etc;
#   systemdunitdir  /lib/systemd/system for the prefix /usr, else
#                   PREFIX/lib/systemd/system (both searched by systemd);
#   version         the project's version.
# The installed file keeps the template's name without ".in", unless
# RENAME gives another.
function(tessera_install_configured template)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESTINATION;COMPONENT;RENAME"
                        "PERMISSIONS")
  get_filename_component(template "${template}" ABSOLUTE)
  get_filename_component(name "${template}" NAME)
  string(REGEX REPLACE "\\.in$" "" name "${name}")
  if(arg_RENAME)
    set(name "${arg_RENAME}")
  endif()
  set(output "${CMAKE_CURRENT_BINARY_DIR}/install-time/${name}")
  set(permissions "")
  if(arg_PERMISSIONS)
    set(permissions PERMISSIONS ${arg_PERMISSIONS})
  endif()
  install(CODE "
    cmake_policy(PUSH)
    cmake_policy(SET CMP0053 NEW)
    set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
    set(bindir \"\${prefix}/${CMAKE_INSTALL_BINDIR}\")
    set(libdir \"\${prefix}/${CMAKE_INSTALL_LIBDIR}\")
    set(includedir \"\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}\")
    if(prefix STREQUAL \"/usr\")
      set(sysconfdir /etc)
      set(systemdunitdir /lib/systemd/system)
    else()
      set(sysconfdir \"\${prefix}/etc\")
      set(systemdunitdir \"\${prefix}/lib/systemd/system\")
    endif()
    set(version \"${PROJECT_VERSION}\")
    configure_file(\"${template}\" \"${output}\" @ONLY)
    string(CONFIGURE \"${arg_DESTINATION}\" destination @ONLY)
    file(INSTALL \"${output}\" DESTINATION \"\${destination}\" ${permissions})
    cmake_policy(POP)
  " COMPONENT ${arg_COMPONENT})
endfunction()
