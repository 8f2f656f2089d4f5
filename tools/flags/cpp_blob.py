"""Writes a byte blob as a C++ source in the data/ layout, and reads one back.

Layout: 16 bytes per line as hex, an offset comment every 256 bytes, then the size constant.
"""
import re


def blob_cpp_text(header, name, blob):
    lines = [header, '#include "data/blobs.h"   // gives the const arrays external linkage\n',
             'const unsigned char %s[] = {\n' % name]
    for offset in range(0, len(blob), 16):
        if offset % 256 == 0:
            lines.append('    // %d\n' % offset)
        lines.append('    ' + ' '.join('0x%02x,' % b for b in blob[offset:offset + 16]) + '\n')
    lines.append('};\nconst int %s_SIZE = sizeof %s;\n' % (name, name))
    return ''.join(lines)


def write_blob_cpp(path, header, name, blob):
    with open(path, 'w', encoding='ascii', newline='\n') as output:
        output.write(blob_cpp_text(header, name, blob))


def read_blob_cpp(path, name):
    """The bytes of array name in a file written by write_blob_cpp."""
    with open(path, encoding='ascii') as source:
        text = source.read()
    body = re.search(r'\b%s\[\] = \{(.*?)\};' % re.escape(name), text, re.S).group(1)
    body = re.sub(r'//[^\n]*', '', body)
    return bytes(int(h, 16) for h in re.findall(r'0x([0-9a-fA-F]{2})', body))
