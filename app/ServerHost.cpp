// Kept apart from the rest of the program so that a test build can link a
// copy that points at a server of its own.
#include "app/ServerHost.h"

#ifndef TAV_SERVER_HOST
#error "TAV_SERVER_HOST must name the maker's web server"
#endif

extern const char kServerHost[] = TAV_SERVER_HOST;
