// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace surface {

// New texts for the window's labels Label1 .. Label7, as a drawing procedure leaves them; a
// label without a new text keeps its own. Later texts replace earlier ones, as they would
// on the labels themselves.
class LabelTexts {
public:
    void set(int label, QString text) { texts_.at(std::size_t(label)) = std::move(text); }
    const std::optional<QString>& operator[](int label) const {
        return texts_.at(std::size_t(label));
    }
    void merge(const LabelTexts& later) {
        for (std::size_t i = 0; i < texts_.size(); ++i)
            if (later.texts_[i])
                texts_[i] = later.texts_[i];
    }

private:
    std::array<std::optional<QString>, 8> texts_; // index 0 unused: labels count from 1
};

} // namespace surface
