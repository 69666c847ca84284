# Visibility of each pass: skyfield for the satellite, astropy's built-in Sun, cones of a spherical Earth.
import sys, math, numpy as np
from astropy.utils import iers
iers.conf.auto_download = False
from astropy.time import Time
from astropy.coordinates import get_sun, EarthLocation, AltAz, GCRS
import astropy.units as u
from skyfield.api import load, wgs84, EarthSatellite
ts = load.timescale(builtin=True)
l = [x.strip() for x in open(sys.argv[1]) if x.strip()]
sat = EarthSatellite(l[1], l[2], l[0], ts)
lat, lon = float(sys.argv[2]), float(sys.argv[3])
site = wgs84.latlon(lat, lon)
loc = EarthLocation.from_geodetic(lon*u.deg, lat*u.deg, 0)
for pr in sys.argv[4:]:
    a, b = pr.split('/')
    ta, tb = Time(a), Time(b)
    n = int((tb - ta).sec // 10) + 1
    times = ta + np.arange(n) * 10 * u.s
    tsf = ts.from_astropy(times)
    alt = (sat - site).at(tsf).altaz()[0].degrees
    r = sat.at(tsf).position.km  # GCRS
    sun = get_sun(times)
    sunalt = sun.transform_to(AltAz(obstime=times, location=loc)).alt.deg
    s = sun.cartesian.xyz.to(u.km).value
    vis = False
    for i in range(n):
        rs = s[:, i] - r[:, i]; re = -r[:, i]
        te = math.asin(6378.137/np.linalg.norm(re)); tsn = math.asin(695700/np.linalg.norm(rs))
        sep = math.acos(np.dot(rs, re)/np.linalg.norm(rs)/np.linalg.norm(re))
        lit = sep > te - tsn
        if alt[i] >= 10 and sunalt[i] <= -6 and lit: vis = True
    print(a, 'visible' if vis else 'unseen')
