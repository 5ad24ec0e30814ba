#pragma once

#include <optional>
#include <string>

namespace modNational {

// What the herd-management client's configuration file says about the database.
struct ClientConfigConnection {
    // False when the file is missing or not well-formed XML.
    bool loaded = false;
    // The connectionString attribute of the first element named "ConnectionString";
    // nothing when there is no such element or it lacks the attribute.
    std::optional<std::string> connectionString;
    // Which of the two is missing, for the log.
    bool elementFound = false;
};

ClientConfigConnection ReadClientConfigConnection(const std::string& path);

} // namespace modNational
