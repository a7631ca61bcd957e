// The xscreensaver settings page of the show ("orvel-kite.xml"), made from
// the table of settings fields: the daemon's settings program builds its
// check boxes and choices from it and starts the show with the matching
// --name=VALUE options.
#pragma once

#include <iosfwd>

void writeXscreensaverXml(std::ostream& out);
