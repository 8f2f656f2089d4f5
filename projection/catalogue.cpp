// projection/catalogue.cpp: the 128 catalogue entries in menu order (the order of Up and Down).
// One entry per line: its index, packed group byte, variant and year, its formula, its name.
#include "projection/formulas.h"

// year code: the year (negative before 0) times 2, plus 1 when the date is approximate
static constexpr int in_year(int year) { return year * 2; }
static constexpr int circa(int year) { return year * 2 + 1; }
// group byte (menu group and section) in bits 31-24, variant in 23-16, year code in 15-0
static constexpr uint32_t pack(int group, int variant, int year_code)
{
    return uint32_t(group) << 24 | uint32_t(variant) << 16 | (uint32_t(year_code) & 0xFFFF);
}

const ProjectionEntry PROJECTION_CATALOGUE[] = {
    /*   0 */ { pack(0x10,   0, circa(100)), project_equirectangular },   // Equirectangular
    /*   1 */ { pack(0x10,   0, circa(940)), project_mercator },   // Mercator
    /*   2 */ { pack(0x10,   0, in_year(1772)), project_cylindrical_equal_area },   // Cylindrical Equal-Area
    /*   3 */ { pack(0x10,   0, circa(1800)), project_central_cylindrical },   // Central Cylindrical
    /*   4 */ { pack(0x10,   0, in_year(1855)), project_gall_stereographic },   // Gall Stereographic
    /*   5 */ { pack(0x10,   0, in_year(1867)), project_braun_1 },   // Braun I
    /*   6 */ { pack(0x11,   1, in_year(1942)), project_miller },   // Miller I
    /*   7 */ { pack(0x11,   2, in_year(1942)), project_miller },   // Miller II
    /*   8 */ { pack(0x11,   3, in_year(1942)), project_miller },   // Miller III
    /*   9 */ { pack(0x12,   0, in_year(1745)), project_transverse_cylindrical },   // Transverse Equidistant Cylindrical
    /*  10 */ { pack(0x12,   1, in_year(1772)), project_transverse_cylindrical },   // Transverse Mercator
    /*  11 */ { pack(0x12,   2, in_year(1772)), project_transverse_cylindrical },   // Transverse Equal-Area
    /*  12 */ { pack(0x12,   3, circa(1830)), project_transverse_cylindrical },   // Transverse Central Cylindrical
    /*  13 */ { pack(0x12,   0, in_year(1894)), project_oblique_mercator },   // Oblique Mercator
    /*  14 */ { pack(0x20,   0, in_year(1506)), project_simple_conic },   // Simple Conic
    /*  15 */ { pack(0x20,   0, in_year(1508)), project_equidistant_conic },   // Equidistant Conic
    /*  16 */ { pack(0x21,   1, in_year(1758)), project_conic },   // Murdoch I
    /*  17 */ { pack(0x21,   2, in_year(1758)), project_conic },   // Murdoch II
    /*  18 */ { pack(0x21,   3, in_year(1758)), project_conic },   // Murdoch III
    /*  19 */ { pack(0x22,   7, in_year(1772)), project_conic },   // Conformal Conic
    /*  20 */ { pack(0x22,   0, in_year(1777)), project_conic },   // Euler
    /*  21 */ { pack(0x22,   4, in_year(1794)), project_conic },   // Perspective Conic
    /*  22 */ { pack(0x22,   1, in_year(1867)), project_braun_2 },   // Braun II
    /*  23 */ { pack(0x22,   5, in_year(1881)), project_conic },   // Tissot
    /*  24 */ { pack(0x22,   6, in_year(1907)), project_conic },   // Vitkovskiy II
    /*  25 */ { pack(0x23,   0, in_year(1772)), project_braun_2 },   // Conical Equal-Area
    /*  26 */ { pack(0x23,   8, in_year(1805)), project_conic },   // Albers Equal-Area Conic
    /*  27 */ { pack(0x24,   0, in_year(1820)), project_polyconic },   // Polyconic
    /*  28 */ { pack(0x24,   1, in_year(1853)), project_polyconic },   // Rectangular Polyconic
    /*  29 */ { pack(0x25,   0, in_year(1895)), project_cycloidal },   // Cycloidal
    /*  30 */ { pack(0x30,   0, circa(-150)), project_polar_orthographic },   // Polar Orthographic
    /*  31 */ { pack(0x30,   0, circa(-150)), project_equatorial_orthographic },   // Equatorial Orthographic
    /*  32 */ { pack(0x30,   0, in_year(1515)), project_oblique_orthographic },   // Oblique Orthographic
    /*  33 */ { pack(0x31,   0, circa(-580)), project_polar_gnomonic },   // Polar Gnomonic
    /*  34 */ { pack(0x31,   0, in_year(1606)), project_equatorial_gnomonic },   // Equatorial Gnomonic
    /*  35 */ { pack(0x31,   0, in_year(1610)), project_oblique_gnomonic },   // Oblique Gnomonic
    /*  36 */ { pack(0x32,   0, circa(-150)), project_polar_perspective },   // Polar Stereographic
    /*  37 */ { pack(0x32,   0, circa(1100)), project_equatorial_stereographic },   // Equatorial Stereographic
    /*  38 */ { pack(0x32,   0, circa(400)), project_oblique_stereographic },   // Oblique Stereographic
    /*  39 */ { pack(0x33,   0, in_year(1426)), project_polar_azimuthal_equidistant },   // Polar Azimuthal Equidistant
    /*  40 */ { pack(0x33,   0, in_year(1523)), project_polar_azimuthal_equidistant_interrupted },   // Polar Azimuthal Equidistant, Interrupted
    /*  41 */ { pack(0x33,   0, in_year(1603)), project_polar_azimuthal_equidistant_worldwide },   // Polar Azimuthal Equidistant, Worldwide
    /*  42 */ { pack(0x33,   0, in_year(1717)), project_equatorial_azimuthal_equidistant },   // Equatorial Azimuthal Equidistant
    /*  43 */ { pack(0x34,   0, in_year(1772)), project_polar_azimuthal_equal_area },   // Polar Azimuthal Equal-Area
    /*  44 */ { pack(0x34,   0, in_year(1772)), project_equatorial_azimuthal_equal_area },   // Equatorial Azimuthal Equal-Area
    /*  45 */ { pack(0x35,   1, in_year(1701)), project_polar_perspective },   // Polar Perspective Azimuthal
    /*  46 */ { pack(0x35,   2, in_year(1702)), project_polar_perspective },   // Parent I
    /*  47 */ { pack(0x35,   3, in_year(1702)), project_polar_perspective },   // Parent II
    /*  48 */ { pack(0x35,   4, in_year(1702)), project_polar_perspective },   // Parent III
    /*  49 */ { pack(0x36,   0, in_year(1861)), project_airy },   // Airy
    /*  50 */ { pack(0x37,   2, in_year(1949)), project_polar_azimuthal_equal_area },   // Ginzburg I
    /*  51 */ { pack(0x37,   3, in_year(1949)), project_polar_azimuthal_equal_area },   // Ginzburg II
    /*  52 */ { pack(0x40, 120, in_year(1426)), project_equirectangular },   // Trapizoidal
    /*  53 */ { pack(0x40,   0, in_year(1865)), project_collignon_1 },   // Collignon I
    /*  54 */ { pack(0x40,   0, in_year(1865)), project_collignon_2 },   // Collignon II
    /*  55 */ { pack(0x41,   0, circa(1510)), project_bordone },   // Bordone
    /*  56 */ { pack(0x41,   1, in_year(1805)), project_sinusoidal_mollweide },   // Mollweide
    /*  57 */ { pack(0x41,   0, in_year(1889)), project_aitoff_hammer },   // Aitoff
    /*  58 */ { pack(0x41,   1, in_year(1892)), project_aitoff_hammer },   // Hammer
    /*  59 */ { pack(0x41,   0, in_year(1953)), project_briesemeister },   // Briesemeister
    /*  60 */ { pack(0x42,   0, in_year(1540)), project_oval },   // Oval
    /*  61 */ { pack(0x42,   0, in_year(1890)), project_nell },   // Nell
    /*  62 */ { pack(0x42,   1, in_year(1900)), project_nell_hammer },   // Nell-Hammer
    /*  63 */ { pack(0x42,   0, in_year(1921)), project_winkel_tripel },   // Winkel Tripel
    /*  64 */ { pack(0x42,   0, in_year(1963)), project_robinson },   // Robinson
    /*  65 */ { pack(0x42,   0, in_year(1965)), project_the_times },   // The Times
    /*  66 */ { pack(0x42,   0, in_year(1972)), project_hatano },   // Hatano Asymmetrical
    /*  67 */ { pack(0x43,   0, in_year(1570)), project_sinusoidal_mollweide },   // Sinusoidal
    /*  68 */ { pack(0x43,   0, in_year(1862)), project_stereographic_equivalent },   // Stereographic Equivalent
    /*  69 */ { pack(0x43,   2, in_year(1923)), project_sinusoidal_mollweide },   // Homolosine
    /*  70 */ { pack(0x43,   3, in_year(1929)), project_sinusoidal_mollweide },   // Eumorphic
    /*  71 */ { pack(0x43,   0, in_year(1929)), project_craster_parabolic },   // Craster Parabolic
    /*  72 */ { pack(0x43,   0, in_year(1933)), project_kavrayskiy_5 },   // Kavrayskiy V
    /*  73 */ { pack(0x43,   0, in_year(1937)), project_quartic_authalic },   // Quartic Authalic
    /*  74 */ { pack(0x43,   0, in_year(1949)), project_mcbryde_thomas_1 },   // McBryde-Thomas I
    /*  75 */ { pack(0x43,   0, in_year(1968)), project_erdi_krausz },   // Érdi-Krausz
    /*  76 */ { pack(0x45,   1, in_year(1906)), project_eckert },   // Eckert I
    /*  77 */ { pack(0x45,   2, in_year(1906)), project_eckert },   // Eckert II
    /*  78 */ { pack(0x45,   3, in_year(1906)), project_eckert },   // Eckert III
    /*  79 */ { pack(0x45,   4, in_year(1906)), project_eckert },   // Eckert IV
    /*  80 */ { pack(0x45,   5, in_year(1906)), project_eckert },   // Eckert V
    /*  81 */ { pack(0x45,   6, in_year(1906)), project_eckert },   // Eckert VI
    /*  82 */ { pack(0x46,   0, in_year(1914)), project_winkel },   // Winkel I
    /*  83 */ { pack(0x46,   1, in_year(1918)), project_winkel },   // Winkel II
    /*  84 */ { pack(0x47,   1, in_year(1932)), project_wagner },   // Wagner I
    /*  85 */ { pack(0x47,   2, in_year(1949)), project_wagner },   // Wagner II
    /*  86 */ { pack(0x47,   3, in_year(1932)), project_wagner },   // Wagner III
    /*  87 */ { pack(0x47,   4, in_year(1932)), project_wagner },   // Wagner IV
    /*  88 */ { pack(0x47,   5, in_year(1949)), project_wagner },   // Wagner V
    /*  89 */ { pack(0x47,   0, in_year(1932)), project_wagner_6 },   // Wagner VI
    /*  90 */ { pack(0x47,   0, in_year(1941)), project_wagner_7 },   // Wagner VII
    /*  91 */ { pack(0x48,   0, in_year(1934)), project_putnins },   // Putnins P1
    /*  92 */ { pack(0x48,   1, in_year(1934)), project_putnins },   // Putnins P2
    /*  93 */ { pack(0x48,   2, in_year(1934)), project_putnins },   // Putnins P3
    /*  94 */ { pack(0x48,   3, in_year(1934)), project_putnins },   // Putnins P3'
    /*  95 */ { pack(0x48,   4, in_year(1934)), project_putnins },   // Putnins P4'
    /*  96 */ { pack(0x48,   5, in_year(1934)), project_putnins },   // Putnins P5
    /*  97 */ { pack(0x48,   6, in_year(1934)), project_putnins },   // Putnins P5'
    /*  98 */ { pack(0x48,   7, in_year(1934)), project_putnins },   // Putnins P6
    /*  99 */ { pack(0x48,   8, in_year(1934)), project_putnins },   // Putnins P6'
    /* 100 */ { pack(0x50,   0, circa(150)), project_ptolemy_1 },   // Ptolemy I
    /* 101 */ { pack(0x50,   0, circa(150)), project_ptolemy_2 },   // Ptolemy II
    /* 102 */ { pack(0x50,   0, in_year(1511)), project_bonne },   // Bonne
    /* 103 */ { pack(0x51, 180, circa(1000)), project_nicolosi_gore },   // Nicolosi
    /* 104 */ { pack(0x51,   0, in_year(1265)), project_globular },   // Globular
    /* 105 */ { pack(0x51,   0, in_year(1524)), project_apian_1 },   // Apian I
    /* 106 */ { pack(0x51,   0, in_year(1524)), project_apian_2 },   // Apian II
    /* 107 */ { pack(0x51,   0, in_year(1772)), project_lagrange },   // Lagrange
    /* 108 */ { pack(0x52,   1, in_year(1514)), project_stabius_werner },   // Stabius-Werner I
    /* 109 */ { pack(0x52,   2, in_year(1514)), project_stabius_werner },   // Stabius-Werner II
    /* 110 */ { pack(0x52,   3, in_year(1514)), project_stabius_werner },   // Stabius-Werner III
    /* 111 */ { pack(0x52,   0, in_year(1531)), project_double_cordiform },   // Double Cordiform
    /* 112 */ { pack(0x53,  30, in_year(1507)), project_nicolosi_gore },   // Gore
    /* 113 */ { pack(0x53,   0, in_year(1514)), project_octant },   // Octant
    /* 114 */ { pack(0x53,   0, in_year(1556)), project_four_lobed_star },   // Four-Lobed Star
    /* 115 */ { pack(0x53,   0, in_year(1865)), project_star },   // Petermann Star
    /* 116 */ { pack(0x53,   1, in_year(1879)), project_star },   // Berghaus Star
    /* 117 */ { pack(0x54,  10, in_year(1916)), project_sinusoidal_mollweide },   // Interrupted Sinusoidal
    /* 118 */ { pack(0x54,  11, in_year(1916)), project_sinusoidal_mollweide },   // Interrupted Mollweide
    /* 119 */ { pack(0x54,  22, in_year(1923)), project_sinusoidal_mollweide },   // Interrupted Homolosine, Land
    /* 120 */ { pack(0x54,  32, in_year(1923)), project_sinusoidal_mollweide },   // Interrupted Homolosine, Oceans
    /* 121 */ { pack(0x54,  43, in_year(1929)), project_sinusoidal_mollweide },   // Interrupted Eumorphic
    /* 122 */ { pack(0x55,   0, in_year(1833)), project_littrow },   // Littrow
    /* 123 */ { pack(0x55,   1, in_year(1879)), project_polar_azimuthal_equal_area },   // Wiechel
    /* 124 */ { pack(0x55,   0, in_year(1909)), project_mecca_retroazimuthal },   // Mecca Retroazimuthal
    /* 125 */ { pack(0x55,   0, in_year(1910)), project_hinks_reeves },   // Hinks-Reeves Retroazimuthal
    /* 126 */ { pack(0x55,   0, in_year(1935)), project_loximuthal },   // Loximuthal
    /* 127 */ { pack(0x55,   0, in_year(1943)), project_arden_close },   // Arden-Close
};
static_assert(sizeof PROJECTION_CATALOGUE / sizeof PROJECTION_CATALOGUE[0] == PROJECTION_COUNT,
              "one entry per projection");
