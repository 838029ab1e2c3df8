#pragma once

namespace pali {

// Lets std::visit take one lambda per alternative of a variant.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace pali
