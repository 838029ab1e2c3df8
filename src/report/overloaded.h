#pragma once

namespace pali {

// Lets std::visit take one lambda per alternative of a variant.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// C++20 deduces this from the aggregate itself, but clang does so only from version 17.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace pali
