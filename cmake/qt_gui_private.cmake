# Qt's private Gui module (Qt6::GuiPrivate: the window-system interface and its event queue). Up to Qt 6.8 finding
# Gui defines it as well; since Qt 6.10 it is a package of its own, found only when asked for by name. Asked for
# only where it is not there yet, so one call works on every Qt 6.
find_package(Qt6 REQUIRED COMPONENTS Gui)
if(NOT TARGET Qt6::GuiPrivate)
    find_package(Qt6 REQUIRED COMPONENTS GuiPrivate)
endif()
