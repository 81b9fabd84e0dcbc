"""Fonts: free fonts from Debian's packages, copied under the names the
game opens, each with its package's copyright and licence text beside it."""
import shutil

from common import out_path

DEJAVU = ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
          "/usr/share/doc/fonts-dejavu-core/copyright", "fonts-dejavu-core")
BLACKLETTER = ("/usr/share/fonts/truetype/blankenburg/Blankenburg_UNZ1A.ttf",
               "/usr/share/doc/fonts-blankenburg/copyright", "fonts-blankenburg")
BOOK_SERIF = ("/usr/share/fonts/opentype/linux-libertine/LinLibertine_R.otf",
              "/usr/share/doc/fonts-linuxlibertine/copyright", "fonts-linuxlibertine")

# name the game opens -> (font file, licence file, Debian package)
FONTS = {
    "rsrc/Veranda.ttf": DEJAVU,
    "tahoma.ttf": DEJAVU,
    "rsrc/oldengl.ttf": BLACKLETTER,
    "rsrc/Medici_Text.ttf": BOOK_SERIF,
}


def write_all():
    for name, (source, licence, package) in FONTS.items():
        shutil.copyfile(source, out_path(name))
        with open(licence, encoding="utf-8") as f:
            text = f.read()
        with open(out_path(name + ".LICENSE"), "w", encoding="utf-8", newline="\n") as f:
            f.write("%s is %s from the Debian package %s.\n\n" % (name, source.rsplit("/", 1)[1], package))
            f.write(text)


def title_font_file():
    return BOOK_SERIF[0]


def blackletter_font_file():
    return BLACKLETTER[0]


def sans_font_file():
    return DEJAVU[0]
