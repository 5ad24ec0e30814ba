#include "ClientConfigFile.h"

#include <pugixml.hpp>

namespace modNational {

ClientConfigConnection ReadClientConfigConnection(const std::string& path) {
    ClientConfigConnection result;
    pugi::xml_document document;
    if (!document.load_file(path.c_str()))
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
