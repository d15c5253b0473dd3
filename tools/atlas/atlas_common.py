"""Shared helpers of the atlas build: projection, shapefile writing, text encoding."""

import math
import os
import struct

from osgeo import ogr, osr
from shapely import wkb
from shapely.geometry import mapping  # noqa: F401  (re-exported for the build steps)

ogr.UseExceptions()
osr.UseExceptions()

# The viewer reads map units as UTM zone 30 north metres on the International 1924
# ellipsoid (ED50).  A fixed three-parameter datum shift keeps the output identical
# whatever transformation grids a machine happens to have.
UTM30_ED50_PROJ = ("+proj=utm +zone=30 +ellps=intl +towgs84=-87,-98,-121,0,0,0,0 "
                   "+units=m +no_defs")

# dBASE "last update" stamp written into every table so that builds are reproducible.
DBF_FIXED_DATE = (124, 1, 1)  # 2024-01-01

LATIN1 = "ISO-8859-1"


def _srs_wgs84():
    srs = osr.SpatialReference()
    srs.ImportFromEPSG(4326)
    srs.SetAxisMappingStrategy(osr.OAMS_TRADITIONAL_GIS_ORDER)
    return srs


def _srs_utm30():
    srs = osr.SpatialReference()
    srs.ImportFromProj4(UTM30_ED50_PROJ)
    srs.SetAxisMappingStrategy(osr.OAMS_TRADITIONAL_GIS_ORDER)
    return srs


def srs_output():
    """Spatial reference written into the .prj files: EPSG:23030."""
    srs = osr.SpatialReference()
    srs.ImportFromEPSG(23030)
    return srs


_TO_UTM = osr.CoordinateTransformation(_srs_wgs84(), _srs_utm30())
_TO_GEO = osr.CoordinateTransformation(_srs_utm30(), _srs_wgs84())


def lonlat_to_utm(lon, lat):
    x, y, _ = _TO_UTM.TransformPoint(lon, lat)
    return x, y


def utm_to_lonlat(x, y):
    lon, lat, _ = _TO_GEO.TransformPoint(x, y)
    return lon, lat


def ogr_to_utm_shapely(geom):
    """Reprojects an OGR geometry in longitude/latitude and returns it as shapely."""
    g = geom.Clone()
    g.Transform(_TO_UTM)
    return wkb.loads(bytes(g.ExportToWkb()))


def shapely_lonlat_to_utm(geom):
    g = ogr.CreateGeometryFromWkb(geom.wkb)
    g.Transform(_TO_UTM)
    return wkb.loads(bytes(g.ExportToWkb()))


def latin1_safe(text):
    """Texts end up as ISO-8859-1 bytes; replace the few characters it lacks."""
    repl = {"\u2019": "'", "\u2018": "'", "\u201c": '"', "\u201d": '"', "\u2013": "-",
            "\u2014": "-"}
    out = "".join(repl.get(ch, ch) for ch in text)
    out.encode("latin-1")  # fails loudly on anything still outside Latin-1
    return out


class Field:
    def __init__(self, name, kind, width, precision=0):
        self.name = name
        self.kind = kind  # "C" text, "N" integer, "F" real
        self.width = width
        self.precision = precision


def write_shapefile(path, geom_type, fields, records):
    """Writes a shapefile (.shp/.shx/.dbf/.prj/.cpg) in ISO-8859-1.

    records: iterable of (shapely geometry, dict of field values).  Geometry types:
    ogr.wkbPoint, ogr.wkbLineString (written as polylines), ogr.wkbPolygon.
    """
    os.makedirs(os.path.dirname(path), exist_ok=True)
    driver = ogr.GetDriverByName("ESRI Shapefile")
    if os.path.exists(path):
        driver.DeleteDataSource(path)
    ds = driver.CreateDataSource(path)
    layer = ds.CreateLayer(os.path.splitext(os.path.basename(path))[0], srs_output(),
                           geom_type, options=["ENCODING=" + LATIN1])
    for f in fields:
        if f.kind == "C":
            fd = ogr.FieldDefn(f.name, ogr.OFTString)
        elif f.kind == "N":
            fd = ogr.FieldDefn(f.name, ogr.OFTInteger if f.width <= 9 else ogr.OFTInteger64)
        else:
            fd = ogr.FieldDefn(f.name, ogr.OFTReal)
        fd.SetWidth(f.width)
        fd.SetPrecision(f.precision)
        layer.CreateField(fd)
    defn = layer.GetLayerDefn()
    count = 0
    for geom, values in records:
        feat = ogr.Feature(defn)
        for f in fields:
            v = values.get(f.name)
            if v is None:
                continue
            if f.kind == "C":
                feat.SetField(f.name, latin1_safe(str(v)))
            elif f.kind == "N":
                feat.SetField(f.name, int(v))
            else:
                feat.SetField(f.name, float(v))
        g = ogr.CreateGeometryFromWkb(geom.wkb)
        if geom_type == ogr.wkbLineString and g.GetGeometryType() == ogr.wkbLineString:
            g = ogr.ForceToMultiLineString(g)
        if geom_type == ogr.wkbPolygon and g.GetGeometryType() == ogr.wkbPolygon:
            g = ogr.ForceToMultiPolygon(g)
        feat.SetGeometry(g)
        layer.CreateFeature(feat)
        count += 1
    ds = None
    _stamp_dbf(path[:-4] + ".dbf")
    return count


def _stamp_dbf(dbf_path):
    with open(dbf_path, "r+b") as fh:
        fh.seek(1)
        fh.write(struct.pack("BBB", *DBF_FIXED_DATE))


def rgb(r, g, b):
    """Colour as the theme files store it: red + 256 green + 65536 blue."""
    return r + 256 * g + 65536 * b


def angle_of(dx, dy):
    """Counter-clockwise text angle in whole degrees, kept readable (-90..90)."""
    a = math.degrees(math.atan2(dy, dx))
    if a > 90:
        a -= 180
    if a < -90:
        a += 180
    return int(round(a))
