#pragma once
#include <string>

// The web remote's page (GET /): one self-contained HTML file with its styles and script inline,
// built into the program as a Qt resource. Empty when the resource is missing from the build.
std::string RemotePageHtml();
