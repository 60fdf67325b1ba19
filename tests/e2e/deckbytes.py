"""The bytes of deck files, as the program writes them, for every end-to-end script."""

# What ends every field of a deck file, before its CR LF.
TERMINATOR = b")}]d8h0-0h8b)}]"
# The mark that starts a deck holding a character Windows-1252 lacks.
UTF8_MARK = b"\xef\xbb\xbf"


def record(name, front, back, encoding="cp1252"):
    """One card's record: name, front and back, each terminated and CR LF ended."""
    return b"".join(field.encode(encoding) + TERMINATOR + b"\r\n" for field in (name, front, back))


def deck_file(cards, encoding="cp1252"):
    """A whole deck file of (name, front, back) cards in "cp1252" or "utf-8"."""
    mark = UTF8_MARK if encoding == "utf-8" else b""
    return mark + b"".join(record(*card, encoding=encoding) for card in cards)
