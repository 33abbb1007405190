#pragma once
// The standard rainbow file, computed from the CIE 1931 2° observer. No Qt here.
#include <string>
#include <vector>

struct Tristimulus {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

struct RgbLineaire {
    double R = 0.0;
    double G = 0.0;
    double B = 0.0;
};

struct LigneArcEnCiel {
    int lambda = 0;
    int R = 0;
    int G = 0;
    int B = 0;
};

// CIE 1931 2° colour-matching functions at a wavelength in nm, by the multi-lobe Gaussian
// fit of Wyman, Sloan and Shirley (JCGT 2(2), 2013): no data table to ship.
Tristimulus CorrespondanceCie1931(double lambda);

// XYZ to linear sRGB (D65 white, IEC 61966-2-1 matrix); no clipping, no gamma.
RgbLineaire VersSrgbLineaire(const Tristimulus &t);

// Rows for 400..800 nm: negatives clipped to 0, one common scale so that the largest
// channel value is 255, rounded to the nearest integer (halves away from zero).
std::vector<LigneArcEnCiel> ArcEnCielStandard();

// The file text: a header "lambda\tR\tG\tB", then one tab-separated row per nanometre,
// every line ended by CR LF like the files the program writes itself.
std::string TexteArcEnCielStandard();
