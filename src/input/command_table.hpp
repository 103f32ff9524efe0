#pragma once
// Small constant tables from an input (a controller button, a binding, a
// command) to what it means, searched in order. Every screen's mapping is one
// such table, so the order of precedence is written once, as data.

#include "input/input_event.hpp"
#include "input/keymap.hpp"

#include <cstdint>

#include <optional>
#include <span>

namespace coilwend {

template <class From, class To> struct Pairing {
    From from;
    To to;
};

// What `from` is paired with in `table`; none when it is not there.
template <class From, class To>
constexpr std::optional<To> look_up(std::span<const Pairing<From, To>> table, From from) {
    for (const Pairing<From, To>& row : table)
        if (row.from == from)
            return row.to;
    return std::nullopt;
}

// A command and the one or two bindings that give it.
template <class Command> struct BoundCommand {
    Command command;
    Binding first;
    std::optional<Binding> second;
};

// The command of the first row whose binding matches `key`; none when no row matches.
template <class Command>
std::optional<Command> first_bound_command(std::span<const BoundCommand<Command>> table,
                                           Keycode key, const Keymap& keys) {
    for (const BoundCommand<Command>& row : table)
        if (keys.matches(row.first, key) || (row.second && keys.matches(*row.second, key)))
            return row.command;
    return std::nullopt;
}

// The button of a controller event's code; none for buttons no screen uses
// (paddles, touchpad, ...).
constexpr std::optional<ControllerButton> known_button(std::int32_t code) {
    if (code < 0 || code > static_cast<std::int32_t>(ControllerButton::DpadRight))
        return std::nullopt;
    return static_cast<ControllerButton>(code);
}

} // namespace coilwend
