#pragma once

// What a learner who sees less well, tells colours apart badly, reads with dyslexia or is
// distracted by movement and sound chooses in the settings.
struct AccessChoices {
    bool highContrast = false;
    bool dyslexiaFont = false;
    // The exercise text in points.
    int textSize = 36;
    bool animationsOff = false;
    bool soundOff = false;

    bool operator==(const AccessChoices &) const = default;
};
