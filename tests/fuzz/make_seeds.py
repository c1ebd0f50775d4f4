#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (corpus/<name>/) from the unit tests' data files and
small hand-made files: real language, layout, scenario and names files, and bitmaps of every format
the readers accept (1/4/8/16/24/32 bits, bit fields, OS/2 headers, top-down, RLE4 and RLE8).
Run it again after changing it; the fuzzers' own finds are merged by scripts/fuzz.sh --merge."""
import hashlib
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'unit', 'data')
PART = b'\0\0==PART==\0\0'


def data_file(*parts):
    with open(os.path.join(DATA, *parts), 'rb') as f:
        return f.read()


def put(target, content):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    name = 'seed-' + hashlib.sha1(content).hexdigest()[:12]
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(content)


# ---- text files -------------------------------------------------------------------------------
english = data_file('framework', 'forms', 'Texts', 'English.txt')
layout = data_file('framework', 'forms', 'CorvilMaintain', 'UI_Main.txt')
texts = [
    english,
    data_file('framework', 'forms', 'Texts', 'ChineseT.txt'),   # UTF-16LE with BOM
    data_file('framework', 'forms', 'Texts', 'ChineseS.txt'),   # UTF-8 with BOM
    data_file('framework', 'forms', 'Texts', 'German.txt'),     # UTF-8 without BOM
    data_file('wizard', 'Forms', 'Texts', 'Russian.txt'),
    layout,
    '[English]\r\nlb_Title->Caption=Caf\xe9 \xbb\r\n'.encode('cp1252'),           # ANSI
    '\ufeff[Russian]\nlb_Title->Caption=Привет 𝄞\n'.encode('utf-16-be'),          # UTF-16BE + BOM
    '[English]\nlb_Title->Caption=no BOM\n'.encode('utf-16-le'),                 # UTF-16 without BOM
    b'\xef\xbb\xbf[A]\nk=\xed\xa0\x80 \xc0\xaf \xf4\x90\x80\x80\n',               # ill-formed UTF-8
    b'\xff\xfe[\x00A\x00]\x00\n\x00k\x00=\x00\x00\xd8\n',                           # odd length, lone surrogate
]
for t in texts:
    put('text_file', t)
    put('ini_file', t)
put('ini_file', data_file('simulator', 'two_devices.ini'))
put('ini_file', b'[Simulator]\nScenario="receiver.ini"\nReceivers=2\n[simulator]\nScenario=x\n')

russian_ui = '\ufeff[CorvilMain]\r\nlb_Title->Caption=Пара\\\\\\\\устройств\r\n[CorvilMain.ABC]\r\nlb_Title->Caption=Вариант\r\n'
put('form_texts', russian_ui.encode('utf-16-le') + PART + english + PART + layout)
put('form_texts', PART + english + PART + layout)
put('form_texts', data_file('framework', 'forms', 'Texts', 'German.txt') + PART + PART + layout)

# ---- bitmaps ----------------------------------------------------------------------------------
def bmp(width, height, bits, pixels, palette=b'', compression=0, header=40, masks=b'', image_size=None):
    if header == 12:
        info = struct.pack('<IHHHH', 12, width, abs(height), 1, bits)
    else:
        size = len(pixels) if image_size is None else image_size
        info = struct.pack('<IiiHHIIiiII', header, width, height, 1, bits, compression, size, 2835, 2835,
                           len(palette) // (3 if header == 12 else 4), 0)
        info += masks if header > 40 else b''
        info += b'\0' * (header - len(info))
        if header == 40:
            info += masks
    offset = 14 + len(info) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + palette + pixels


def rows(width, height, bits, value):
    stride = (width * bits + 31) // 32 * 4
    return bytes([value]) * (stride * height)


grey = b''.join(bytes([i, i, i, 0]) for i in range(0, 256, 16))
bitmaps = [
    bmp(8, 4, 24, rows(8, 4, 24, 0x80)),
    bmp(8, -4, 32, rows(8, 4, 32, 0x40)),                                   # top-down
    bmp(16, 2, 1, rows(16, 2, 1, 0x5A), palette=b'\0\0\0\0\xff\xff\xff\0'),
    bmp(8, 3, 4, rows(8, 3, 4, 0x12), palette=grey),
    bmp(4, 4, 8, rows(4, 4, 8, 0x03), palette=grey),
    bmp(4, 2, 16, rows(4, 2, 16, 0x1F), compression=3, masks=struct.pack('<III', 0xF800, 0x07E0, 0x001F)),
    bmp(4, 2, 32, rows(4, 2, 32, 0x7F), compression=3, header=56,
        masks=struct.pack('<IIII', 0xFF0000, 0xFF00, 0xFF, 0)),
    bmp(4, 2, 24, rows(4, 2, 24, 0x11), header=124),
    bmp(4, 2, 24, rows(4, 2, 24, 0x22), header=12),                           # OS/2
    bmp(4, 2, 8, b'\x04\x01\x00\x00\x04\x02\x00\x01', palette=grey, compression=1),             # RLE8
    bmp(4, 2, 8, b'\x00\x03\x01\x02\x03\x00\x00\x00\x02\x00\x01\x00\x01', palette=grey, compression=1),  # absolute, delta
    bmp(8, 2, 4, b'\x08\x12\x00\x00\x08\x34\x00\x01', palette=grey, compression=2),             # RLE4
    bmp(8, 2, 8, b'\x10\x01\x00\x00', palette=grey, compression=1),          # a run past the row's end
    bmp(4, 2, 8, b'\x04\x01', palette=grey, compression=1, image_size=64),   # data cut short
]
for b in bitmaps:
    put('forms_bitmap', b)
    put('skin_bitmap', b)

# ---- outlines: width, height, padding, then pixels ----------------------------------------------
put('outline', bytes([7, 3, 0]) + b'\xff\xff\xff\x00' * 3 + b'\x10\x20\x30\x00' + b'\xff\xff\xff\x00' * 4)
put('outline', bytes([3, 3, 1]) + bytes(range(64)))

# ---- device names -----------------------------------------------------------------------------
put('device_names', '\ufeff[Mouse]\r\n051234=Desk mouse\r\n[Keyboard]\r\n0A1B2C=Office keys\r\n'.encode('utf-8'))
put('device_names', '[Mouse]\n000001=A name far longer than fifteen\n07FFFF=\x01tab\there\n'
    '[Keyboard]\n012345=Клавиатура 𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞\n[Mouse\n1=x\n'.encode('utf-8'))
put('device_names', b'[Mouse]\n051234=\xc0\x80\xed\xa0\x80\xf7\xbf\xbf\xbf\n051235=\xe2\x82\n')

# ---- simulator files --------------------------------------------------------------------------
two_devices = data_file('simulator', 'two_devices.ini')
put('scenario', two_devices)
put('scenario', b'[Receiver]\nGeneration=104\n[RfInfo]\nDrift=10,250,7\nChannel=0,31,5\nByte5=0x42\n'
                b'[Faults]\nUnplugAfterRfReads=3\n')
put('scenario', b'[Pairing]\nDevice1=keyboard,0x7FFFF\nDevice2=mouse,1,attr=0xFF,after=1,session=1\n'
                b'Device3=mouse,2,after=2\n[Faults]\nRefuse=0xB600\nStuckWord=0x2700,0x2701\n')
put('flash_image', b'\x00' + struct.pack('<HH', 0xFFFF, 0xA41A))
put('flash_image', b'\x02' + bytes(range(256)))
put('flash_image', b'\x01' + b'\xff' * 64)
put('sim_usb_tree', b'controller 0 ports=2\ndevice 0/2 receiver\n')
put('sim_usb_tree', b'# two controllers\ncontroller 0 access=number\ncontroller 1 ports=3 access=interface\n'
                    b'hub 1/1 ports=7 noex\nhub 1/1/7 noopen\ndevice 1/1/3 receiver noinfo\n'
                    b'device 0/1 2b6e:054f descriptor=short shows=2b6e:055f\ndevice 1/2 receiver descriptor=badlength\n')
put('hidora_settings', b'[Simulator]\nScenario=receiver.ini\nReceivers=2\n' + PART + two_devices)
put('hidora_settings', b'[Simulator]\r\nScenario=receiver.ini\r\n' + PART +
    b'[Receiver]\nFlashImage=flash.bin\nTransferLog=transfers.log\nRfLog=rf.log\n')
put('hidora_settings', b'[Simulator]\nReceivers=11\n' + PART)

# ---- what the hub driver and the receiver answer ----------------------------------------------
put('usb_hub', b'\xff' * 256)
put('usb_hub', bytes(range(256)) * 2)
# 0x63 as an answer: the command worked, the whole reply is there, and as a status record's flag
# byte it says that a mouse and a keyboard reported; enough of them carry a run through storing both.
put('host_receiver', b'\x63' * 3000)
put('host_receiver', b'\x01' * 64 + bytes([1, 0x05, 0x12, 0x34, 0, 0, 0, 0x20, 0x80]) + b'\x01' * 1500)
put('pairtool_receiver', b'\x63' * 3000)
put('pairtool_receiver', bytes(range(1, 256, 2)) * 4)
