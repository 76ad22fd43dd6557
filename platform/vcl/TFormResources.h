#pragma once

#include <optional>
#include <string>
#include <string_view>

// Form descriptions embedded into the program at build time, found by the
// name of the class they describe. The build's generated table registers them
// (see cmake/DuvaResources.cmake); tests may register their own.
void RegisterFormResource(std::string_view ClassName, std::string_view Text);
std::optional<std::string_view> FindFormResource(std::string_view ClassName);
