#pragma once

// Where things stand in the 600 by 400 world the background covers. The ships and the energy
// bars are placed by the game's rules; the scenery is laid out around them.

inline constexpr int kSceneWidth = 600;
inline constexpr int kSceneHeight = 400;

// The energy bars cover the top rows; a blanked stretch of bar shows the sky here, which
// must therefore stay dark and free of bright stars.
inline constexpr int kBarRows = 20;

// The grey plain fills the lowest fifth of the world.
inline constexpr int kGroundTop = 320;

// A rectangle of world pixels, right and bottom exclusive.
struct SceneBox {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr bool Encloses(const SceneBox& outer, const SceneBox& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Each ship starts on its own landing place: the left one's reference point is (170, 383)
// and the right one's (426, 380); a ship sprite reaches 20 units left of and 10 units above
// its point and is 53 by 21.
inline constexpr int kLeftShipStartX = 170;
inline constexpr int kLeftShipStartY = 383;
inline constexpr int kRightShipStartX = 426;
inline constexpr int kRightShipStartY = 380;
inline constexpr SceneBox kLeftShipAtStart{kLeftShipStartX - 20, kLeftShipStartY - 10,
                                           kLeftShipStartX + 33, kLeftShipStartY + 11};
inline constexpr SceneBox kRightShipAtStart{kRightShipStartX - 20, kRightShipStartY - 10,
                                            kRightShipStartX + 33, kRightShipStartY + 11};

// From the start each ship flies straight up through these columns (its sprite plus the
// margin of the tile it is drawn in), so no tall structure may stand in them.
inline constexpr SceneBox kLeftFlightColumn{140, 0, 211, kSceneHeight};
inline constexpr SceneBox kRightFlightColumn{396, 0, 467, kSceneHeight};
