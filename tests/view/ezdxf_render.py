"""Pictures of drawings made by ezdxf's drawing add-on, an independent renderer, for the
comparison test and the gallery. One process renders a whole list, so ezdxf loads once.

    ezdxf_render.py LIST WIDTH HEIGHT

LIST holds one drawing a line: "DRAWING<TAB>OUT.png<TAB>LAYOUT[<TAB>noviewports]" (layout
"Model" for model space; "noviewports" leaves the layout's viewports out, so a sheet's own
entities are drawn alone). Each drawing is drawn on white at WIDTH x HEIGHT pixels. Prints
"ok OUT rendered|cached ENTRY" or "error OUT: reason" a line.

Drawing takes ezdxf seconds a picture, so pictures are kept in a cache and drawn again only
when something they depend on changed: the drawing's bytes, the layout, the size, this script,
or the version of ezdxf or matplotlib. The cache is $VELLORIA_EZDXF_CACHE, else
$XDG_CACHE_HOME/velloria/ezdxf-pictures, else ~/.cache/velloria/ezdxf-pictures (a folder of
this user's under the system's temporary folder when there is no home); VELLORIA_EZDXF_CACHE=off
draws every picture. An entry is written whole or not at all, and one that is not a whole PNG
file is drawn again.
"""
import hashlib
import logging
import os
import shutil
import sys
import tempfile

logging.disable(logging.WARNING)

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
PNG_END = b"IEND\xaeB`\x82"


def package_version(name):
    """The installed version of a package, without importing it (ezdxf takes seconds)."""
    try:
        from importlib import metadata

        return metadata.version(name)
    except Exception:  # no metadata: the package itself says
        module = __import__(name)
        return getattr(module, "__version__", "unknown")


def private_folder(path):
    """The folder, made if missing, when it is this user's own and no one else may write in it."""
    try:
        os.makedirs(path, mode=0o700, exist_ok=True)
        info = os.stat(path)
    except OSError:
        return None
    if info.st_uid != os.getuid() or info.st_mode & 0o022:
        return None
    return path


def cache_folder():
    chosen = os.environ.get("VELLORIA_EZDXF_CACHE")
    if chosen == "off":
        return None
    if chosen:
        return private_folder(chosen)
    base = os.environ.get("XDG_CACHE_HOME") or (os.path.join(os.environ["HOME"], ".cache") if os.environ.get("HOME") else "")
    if base:
        return private_folder(os.path.join(base, "velloria", "ezdxf-pictures"))
    shared = private_folder(os.path.join(tempfile.gettempdir(), "velloria-cache-%d" % os.getuid()))
    return private_folder(os.path.join(shared, "ezdxf-pictures")) if shared else None


def whole_png(path):
    try:
        with open(path, "rb") as f:
            if f.read(8) != PNG_SIGNATURE:
                return False
            f.seek(-len(PNG_END), os.SEEK_END)
            return f.read() == PNG_END
    except OSError:
        return False


class PictureCache:
    def __init__(self, folder, width, height):
        self.folder = None
        if not folder:
            return
        versions = "ezdxf-%s-matplotlib-%s" % (package_version("ezdxf"), package_version("matplotlib"))
        with open(os.path.abspath(__file__), "rb") as f:
            self.script = hashlib.sha256(f.read()).hexdigest()
        self.size = "%dx%d" % (width, height)
        self.folder = os.path.join(folder, versions)
        os.makedirs(self.folder, exist_ok=True)
        # Pictures of other versions are never used again.
        for name in os.listdir(folder):
            if name != versions and name.startswith("ezdxf-"):
                shutil.rmtree(os.path.join(folder, name), ignore_errors=True)

    def entry(self, source, layout, no_viewports):
        if not self.folder:
            return None
        digest = hashlib.sha256()
        with open(source, "rb") as f:
            for chunk in iter(lambda: f.read(1 << 20), b""):
                digest.update(chunk)
        key = "\0".join([digest.hexdigest(), layout, "noviewports" if no_viewports else "", self.size, self.script])
        return os.path.join(self.folder, hashlib.sha256(key.encode()).hexdigest() + ".png")

    @staticmethod
    def store(picture, entry):
        temporary = "%s.%d.tmp" % (entry, os.getpid())
        shutil.copyfile(picture, temporary)
        os.replace(temporary, entry)


class Renderer:
    """ezdxf and matplotlib, imported when the first picture is to be drawn."""

    def __init__(self, width, height):
        self.width, self.height, self.qsave = width, height, None

    def draw(self, source, out, layout_name, no_viewports):
        if self.qsave is None:
            import matplotlib

            matplotlib.use("agg")
            from ezdxf.addons.drawing import matplotlib as mpl

            self.qsave = mpl.qsave
        import ezdxf

        dpi = 100
        doc = ezdxf.readfile(source)
        layout = doc.modelspace() if layout_name == "Model" else doc.layouts.get(layout_name)
        keep = (lambda e: e.dxftype() != "VIEWPORT") if no_viewports else None
        self.qsave(layout, out, bg="#FFFFFF", dpi=dpi, size_inches=(self.width / dpi, self.height / dpi), filter_func=keep)


def main() -> int:
    listing, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    cache = PictureCache(cache_folder(), width, height)
    renderer = Renderer(width, height)
    for line in open(listing, encoding="utf-8"):
        parts = line.rstrip("\n").split("\t")
        if len(parts) < 3:
            continue
        source, out, layout_name = parts[:3]
        no_viewports = len(parts) > 3 and parts[3] == "noviewports"
        try:
            entry = cache.entry(source, layout_name, no_viewports)
            if entry and whole_png(entry):
                shutil.copyfile(entry, out)
                print("ok", out, "cached", entry, flush=True)
                continue
            renderer.draw(source, out, layout_name, no_viewports)
            if entry:
                cache.store(out, entry)
            print("ok", out, "rendered", entry or "-", flush=True)
        except Exception as e:  # one drawing that fails does not stop the others
            print("error", out + ":", str(e).replace("\n", " "), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
