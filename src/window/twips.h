#pragma once

namespace pali {

// The window is laid out in twips; 15 of them make one device-independent
// pixel (1440 per inch at 96 pixels per inch). Every position on the window
// is a whole number of pixels; a size that is not is rounded to the nearest
// pixel (none lies halfway).
constexpr int Pixels(int twips)
{
    return (twips + 7) / 15;
}

}  // namespace pali
