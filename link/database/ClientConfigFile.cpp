#include "ClientConfigFile.h"

#include "common/TextStream.h"

#include <pugixml.hpp>

namespace modNational {

ClientConfigConnection ReadClientConfigConnection(const std::string& path) {
    ClientConfigConnection result;
    // Read through the program's own file access, so that a path in UTF-8 opens on
    // every platform.
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return result;
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size()))
        return result;
    result.loaded = true;
    const pugi::xpath_node found = document.select_node("//*[@name=\"ConnectionString\"]");
    if (!found)
        return result;
    result.elementFound = true;
    const pugi::xml_attribute attribute = found.node().attribute("connectionString");
    if (attribute)
        result.connectionString = attribute.value();
    return result;
}

} // namespace modNational
