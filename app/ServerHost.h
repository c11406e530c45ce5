// The maker's web server (host name, optionally with ":port"), as the build
// configured it (TAV_SERVER_HOST): the update files, the product's page and
// the contact page all live there. Defined once, in ServerHost.cpp.
#pragma once

extern const char kServerHost[];
