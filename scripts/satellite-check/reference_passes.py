# Reference passes and facts from python3-skyfield's EarthSatellite (geometric, no refraction).
import sys, math
from skyfield.api import load, wgs84, EarthSatellite
ts = load.timescale(builtin=True)
def main(path, name_idx, lat, lon_east, start, days):
    lines = [l.rstrip('\n') for l in open(path) if l.strip()]
    sats = []
    i = 0
    while i < len(lines):
        if lines[i].startswith('1 ') and i + 1 < len(lines) and lines[i+1].startswith('2 '):
            sats.append(EarthSatellite(lines[i], lines[i+1], 'x', ts)); i += 2
        else:
            sats.append(EarthSatellite(lines[i+1], lines[i+2], lines[i], ts)); i += 3
    sat = sats[int(name_idx)]
    site = wgs84.latlon(float(lat), float(lon_east), elevation_m=0)
    y, mo, d, h, mi = [int(x) for x in start.split(',')]
    t0 = ts.utc(y, mo, d, h, mi); t1 = ts.utc(y, mo, d + float(days), h, mi)
    t, ev = sat.find_events(site, t0, t1, altitude_degrees=0.0)
    diff = sat - site
    for ti, e in zip(t, ev):
        alt, az, dist = diff.at(ti).altaz()
        print(e, ti.utc_strftime('%Y-%m-%dT%H:%M:%S.%f')[:23], f"{az.degrees:.3f} {alt.degrees:.3f}")
    alt, az, dist = diff.at(t0).altaz()
    print('at start', f"alt {alt.degrees:.4f} az {az.degrees:.4f} range {dist.km:.2f}")
main(*sys.argv[1:])
