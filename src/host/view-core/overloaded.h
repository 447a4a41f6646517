#pragma once

namespace host::view {

// A visitor made of lambdas, one for each alternative: std::visit(Overloaded{...}, variant).
template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// Spelt out for compilers without class template argument deduction for aggregates (clang 14).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace host::view
