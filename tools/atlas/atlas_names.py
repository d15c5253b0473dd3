"""Named points of the physical map: short lists compiled by hand.

Coordinates are published values (general references), rounded; they are good to
about a kilometre, which is enough for labels at the atlas' scales.  River and
reservoir points only pick the nearest river line or lake of the shoreline
database; a name whose point has no line or lake near it is left out.
"""

# (name, latitude, longitude, altitude in metres, range[, label angle])
PEAKS = [
    ("Mulhacén", 37.0533, -3.3113, 3479, "Sierra Nevada"),
    ("Veleta", 37.0564, -3.3667, 3396, "Sierra Nevada", -35),
    ("Chullo", 37.0936, -3.0197, 2609, "Sierra Nevada"),
    ("La Sagra", 37.9550, -2.5667, 2382, "Sierra de la Sagra"),
    ("Calar de Santa Bárbara", 37.3825, -2.8567, 2269, "Sierra de Baza"),
    ("Morrón de la Lagunilla", 36.9200, -2.8300, 2236, "Sierra de Gádor"),
    ("Pico Mágina", 37.7247, -3.4675, 2167, "Sierra Mágina"),
    ("Tetica de Bacares", 37.2567, -2.4417, 2080, "Sierra de los Filabres"),
    ("La Maroma", 36.9011, -4.0628, 2069, "Sierra Tejeda"),
    ("Pico Cabañas", 37.9150, -2.9100, 2028, "Sierra de Cazorla"),
    ("Torrecilla", 36.6883, -5.0417, 1919, "Sierra de las Nieves"),
    ("Torreón", 36.7000, -5.3875, 1654, "Sierra de Grazalema"),
    ("La Tiñosa", 37.4617, -4.2461, 1570, "Sierras Subbéticas"),
    ("Jabalcón", 37.6239, -2.8372, 1488, "Hoya de Baza"),
    ("Terril", 36.9628, -5.2447, 1129, "Sierra de Algodonales"),
]

# (name, latitude, longitude, class 1 major / 2 minor, label angle in degrees)
RANGES = [
    ("Sierra Morena", 38.30, -5.30, 1, 8),
    ("Sierra Nevada", 37.17, -3.40, 1, 0),
    ("Valle del Guadalquivir", 37.62, -5.05, 1, 20),
    ("Sierra de Cazorla", 37.95, -3.00, 2, 60),
    ("Sierra de Segura", 38.25, -2.68, 2, 60),
    ("Sierra Mágina", 37.76, -3.52, 2, 0),
    ("Sierra de Baza", 37.42, -2.92, 2, 0),
    ("Sierra de los Filabres", 37.30, -2.45, 2, 0),
    ("Sierra de Gádor", 36.96, -2.92, 2, 0),
    ("Sierra de las Nieves", 36.72, -5.05, 2, 0),
    ("Serranía de Ronda", 36.82, -5.25, 2, 0),
    ("Sierra de Grazalema", 36.74, -5.50, 2, 0),
    ("Sierra de Tejeda y Almijara", 36.93, -4.00, 2, 0),
    ("Sierras Subbéticas", 37.50, -4.35, 2, 0),
    ("Sierra de Aracena", 37.93, -6.70, 2, 0),
    ("Sierra Norte de Sevilla", 37.98, -5.80, 2, 0),
    ("Sierra de Cabo de Gata", 36.80, -2.15, 2, 45),
    ("Sierra de María", 37.70, -2.20, 2, 0),
    ("Sierra Bermeja", 36.52, -5.25, 2, 30),
    ("Sierra de Andújar", 38.28, -4.10, 2, 0),
    ("Marismas del Guadalquivir", 36.98, -6.35, 1, 0),
]

# (name, class 1 main / 2 secondary, points (latitude, longitude) on its course)
RIVERS = [
    ("Guadalquivir", 1, [(38.02, -3.85), (37.86, -4.95), (37.60, -5.60), (37.18, -6.08)]),
    ("Genil", 1, [(37.52, -4.95), (37.17, -3.95)]),
    ("Guadiana", 1, [(37.45, -7.46)]),
    ("Guadiana Menor", 2, [(37.65, -3.05)]),
    ("Guadalete", 2, [(36.70, -5.90)]),
    ("Guadalhorce", 2, [(36.80, -4.62)]),
    ("Tinto", 2, [(37.30, -6.75)]),
    ("Odiel", 2, [(37.45, -6.95)]),
    ("Guadiato", 2, [(38.00, -5.15)]),
    ("Almanzora", 2, [(37.35, -2.20)]),
    ("Andarax", 2, [(36.98, -2.55)]),
    ("Guadalfeo", 2, [(36.80, -3.55)]),
    ("Guadalimar", 2, [(38.15, -3.30)]),
    ("Jándula", 2, [(38.20, -3.97)]),
    ("Guadajoz", 2, [(37.70, -4.55)]),
    ("Bembézar", 2, [(37.90, -5.35)]),
    ("Viar", 2, [(37.75, -5.85)]),
    ("Guadiaro", 2, [(36.50, -5.35)]),
    ("Barbate", 2, [(36.30, -5.85)]),
    ("Guadiamar", 2, [(37.35, -6.25)]),
    ("Corbones", 2, [(37.35, -5.35)]),
    ("Chanza", 2, [(37.70, -7.40)]),
    ("Segura", 2, [(38.10, -2.60)]),
]

# (name, latitude, longitude)
WATER_BODIES = [
    ("Embalse de Iznájar", 37.26, -4.32),
    ("Embalse del Negratín", 37.57, -2.93),
    ("Embalse del Tranco de Beas", 38.16, -2.83),
    ("Embalse de Giribaile", 38.10, -3.55),
    ("Embalse de La Breña", 37.82, -5.02),
    ("Embalse de Guadalcacín", 36.65, -5.75),
    ("Embalse de Bornos", 36.82, -5.72),
    ("Embalse de Zahara-El Gastor", 36.84, -5.38),
    ("Embalse de El Pintado", 38.05, -5.95),
    ("Embalse del Chanza", 37.62, -7.45),
    ("Embalse del Andévalo", 37.58, -7.25),
    ("Embalse de Aracena", 37.93, -6.48),
    ("Embalse de los Bermejales", 37.00, -3.88),
    ("Embalse del Conde de Guadalhorce", 36.92, -4.80),
    ("Embalse de La Viñuela", 36.87, -4.18),
    ("Embalse de Cuevas del Almanzora", 37.30, -1.93),
    ("Embalse de Puente Nuevo", 38.00, -5.00),
    ("Embalse del Jándula", 38.23, -3.97),
    ("Embalse de Canales", 37.12, -3.48),
    ("Embalse de Quéntar", 37.18, -3.44),
    ("Embalse de Rules", 36.86, -3.49),
    ("Embalse de Guadalmena", 38.30, -2.85),
    ("Embalse del Rumblar", 38.18, -3.88),
    ("Laguna de Fuente de Piedra", 37.11, -4.77),
]

# Andalusian provinces: INE code, name, capital.
PROVINCES = [
    ("04", "Almería", "Almería"),
    ("11", "Cádiz", "Cádiz"),
    ("14", "Córdoba", "Córdoba"),
    ("18", "Granada", "Granada"),
    ("21", "Huelva", "Huelva"),
    ("23", "Jaén", "Jaén"),
    ("29", "Málaga", "Málaga"),
    ("41", "Sevilla", "Sevilla"),
]

# Place names of the populated-places list that lack their accent.
NAME_FIXES = {"Cadiz": "Cádiz"}

# Records of the populated-places list left out: GeoNames id and why.
EXCLUDED_PLACES = {
    2520425: "Campiña: a district, listed with the population of a large town",
}
