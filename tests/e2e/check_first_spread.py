"""Checks a screenshot of the first spread by regions: the wooden floor around the book, paper
in the middle, and the checker photo (yellow and dark blue) on the right page only. With
--interleaf the right page lies under the transparent interleaf, which pales the photo's colours.
With --right-to-left the book is bound on the right: the photo lies on the left page only."""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def share(width, height, pixels, box, test):
    x0, y0, x1, y1 = (int(box[0] * width), int(box[1] * height), int(box[2] * width), int(box[3] * height))
    hits = total = 0
    for y in range(y0, y1, 2):
        for x in range(x0, x1, 2):
            i = 3 * (y * width + x)
            hits += test(pixels[i], pixels[i + 1], pixels[i + 2])
            total += 1
    return hits / max(total, 1)


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    if "--interleaf" in sys.argv[2:]:
        yellow = lambda r, g, b: r > 180 and g > 150 and r - b > 50
        dark_blue = lambda r, g, b: b > 120 and b - r > 40 and b - g > 30
    else:
        yellow = lambda r, g, b: r > 180 and g > 150 and b < 110
        dark_blue = lambda r, g, b: b > 90 and r < 90 and g < 110
    wood = lambda r, g, b: r > g > b and r - b > 40
    paper = lambda r, g, b: min(r, g, b) > 150 and max(r, g, b) - min(r, g, b) < 40
    photo_page, empty_page = (0.52, 0.2, 0.95, 0.6), (0.1, 0.3, 0.45, 0.8)
    side, other = "right", "left"
    if "--right-to-left" in sys.argv[2:]:
        mirrored = lambda box: (1 - box[2], box[1], 1 - box[0], box[3])
        photo_page, empty_page = mirrored(photo_page), mirrored(empty_page)
        side, other = other, side
    checks = [
        ("floor above the book", share(width, height, pixels, (0.05, 0.08, 0.95, 0.16), wood) > 0.6),
        ("yellow on the %s page" % side, share(width, height, pixels, photo_page, yellow) > 0.05),
        ("blue on the %s page" % side, share(width, height, pixels, photo_page, dark_blue) > 0.05),
        ("no photo on the %s page" % other, share(width, height, pixels, empty_page, yellow) < 0.01),
        ("paper on the %s page" % other, share(width, height, pixels, empty_page, paper) > 0.5),
    ]
    failed = [name for name, ok in checks if not ok]
    for name in failed:
        print("region check failed:", name)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
