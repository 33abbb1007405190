// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

// A failure that ends the current chain and is shown to the user in the error box.
// The message is UTF-8 text meant for the user.
class Erreur : public std::runtime_error {
public:
    explicit Erreur(const std::string &message) : std::runtime_error(message) {}
};
