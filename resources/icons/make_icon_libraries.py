#!/usr/bin/env python3
"""Makes the five icon libraries of the designer's icon set menu.

Each library is a 16-bit Windows icon library (.icl): an NE executable that
holds only resources, one RT_GROUP_ICON per icon with two RT_ICON pictures,
32x32 and 16x16 at 32 bits per pixel (alpha channel plus AND mask). The
pictures come from the Open Clip Art Library as Debian packages it
(openclipart-png for the bitmaps, openclipart-svg for titles and authors):

    apt-get install openclipart-png openclipart-svg python3-pil
    python3 resources/icons/make_icon_libraries.py [--sheet DIR]

The script writes activity.icl, events.icl, holiday.icl, misc1.icl, misc2.icl
and SOURCES.md next to itself; --sheet also writes a contact sheet PNG per
library into DIR for a look at the result.
"""
import argparse
import os
import re
import struct
import sys

from PIL import Image, ImageDraw

PNG_ROOT = "/usr/share/openclipart/png"
SVG_ROOT = "/usr/share/openclipart/svg"
HERE = os.path.dirname(os.path.abspath(__file__))

LIBRARIES = {
    "activity.icl": [
        "recreation/sports/soccer_ball_ganson.png",
        "recreation/sports/baseball_anthony_liekens_01.png",
        "recreation/sports/baseball_glove_ganson.png",
        "recreation/sports/blowling_ball_01.png",
        "recreation/sports/tennis_racket_01.png",
        "recreation/sports/table_tennis_omar_abo-na_01.png",
        "recreation/sports/golf_flag_ball_bram_gron_.png",
        "recreation/sports/golf_drive_ganson.png",
        "recreation/sports/dartboard_ruud_steltenpo_01.png",
        "recreation/sports/target_with_arrow_virgin_01.png",
        "recreation/sports/handball_ball_brice_boye_01.png",
        "recreation/sports/rugby_brice_boyer_01.png",
        "recreation/sports/football_helmet_gerald_g_01.png",
        "recreation/sports/volley-ball_andrea_bianc_01.png",
        "recreation/sports/judo_brice_boyer_01.png",
        "recreation/sports/karate_kick_frouke_01.png",
        "recreation/sports/roller_blader_ganson.png",
        "recreation/sports/sport_aerobica.png",
        "recreation/sports/water_skier_ganson.png",
        "recreation/sports/cronometro_mauro_olivo_01.png",
        "recreation/sports/cricket_bat_01.png",
        "recreation/toys/boomerang_01.png",
        "recreation/toys/beach_ball_01.png",
        "recreation/games/8_ball_jarno_vasamaa.png",
        "recreation/games/two_red_dice_01.png",
        "recreation/games/joystick_atari_style_da_r.png",
        "recreation/games/packman_01.png",
        "recreation/games/tetris_01.png",
        "recreation/toys/gameboy_pocket_durex_r.png",
        "recreation/toys/rubik.png",
        "recreation/toys/simple_teddy_bear_gerald_01.png",
        "recreation/toys/kiddy_train_orlando_kara_.png",
        "recreation/toys/wagon_01.png",
        "recreation/toys/toy_paper_plane_01.png",
        "recreation/sports/backpacker_ganson.png",
        "recreation/sports/binoculars_vladimir_hern_01.png",
        "recreation/games/chess/black_and_white_kings_d_r.png",
        "recreation/games/cards/asso_carte_architetto_fr_01.png",
        "recreation/music/drums_jarno_vasamaa_.png",
        "recreation/music/guitar_jarno_vasamaa1.png",
        "recreation/music/violin_colour_ganson.png",
        "recreation/music/saxophone_jarno_vasamaa_.png",
        "recreation/music/trumpet_b_flat_colour_ganso.png",
        "recreation/music/piano_keys_jonathan_diet_01.png",
        "recreation/music/treble_clef_01.png",
        "recreation/music/headphones_davide_pesent_.png",
        "recreation/knitting_01.png",
        "education/paint.png",
        "education/books/open_book_nae_02.png",
        "computer/hardware/digital-camera_aj_ashton_01.png",
        "transportation/vehicles/bicycle_01.png",
        "transportation/bicycle_philippe_colin_01.png",
        "recreation/sledge_01.png",
        "recreation/rollerblades.png",
        "shapes/jigsaw/jigsaw_green_09.png",
    ],
    "events.icl": [
        "recreation/party/birthday_cake.png",
        "food/desserts/cake_etienne_bersac_r.png",
        "food/desserts/cake1_jarno_vasamaa_01.png",
        "recreation/party/balloons-aj.png",
        "recreation/party/hat_01.png",
        "recreation/party/pacco_regalo_architetto__01.png",
        "recreation/holiday/gift03.png",
        "recreation/party/magic_hat_and_wand_nath_r.png",
        "recreation/party/tophat_benji_park_01.png",
        "recreation/party/wedding_couple_jarno_vas_.png",
        "people/clothing/jewelry/wedding_rings_jarno_vas_.png",
        "recreation/party/wine_glass_christian_h._.png",
        "containers/box_with_spring_nicu_buc_02.png",
        "unsorted/rose.png",
        "plants/flowers/bouquet_of_flowers_01.png",
        "food/beverages/baby_bottle_01.png",
        "people/baby_anthony_liekens_01.png",
        "office/lettera_architetto_franc_01.png",
        "office/addressed_envelope_with_stamp_01.png",
        "office/megaphone_nicu_buculei_01.png",
        "office/telephone/phone.png",
        "office/telephone/red_telephone_mimooh_01.png",
        "office/handshake_01.png",
        "signs_and_symbols/awards/ribbon.png",
        "signs_and_symbols/awards/trophy.png",
        "recreation/party/dancer_brice_boyer_01.png",
        "recreation/party/fondue_uliphant_01.png",
        "recreation/party/fire_valessio_soares_de_.png",
        "recreation/party/yellow-scroll_benji_park_01.png",
        "education/certificate_01.png",
        "education/inservice_presentation_01.png",
        "office/clipboard_01.png",
        "education/books/books-aj.svg_aj_ashton_01.png",
        "recreation/party/palloncini_architetto_fr_01.png",
        "recreation/sports/ticket_benji_park_.png",
        "recreation/music/45_rpm_record_gerald_g._01.png",
        "recreation/party/hat_02.png",
    ],
    "holiday.icl": [
        "recreation/holiday/christmas/christmas_tree_01.png",
        "recreation/holiday/christmas/evergreen_wreath_with_large_holly_01.png",
        "recreation/holiday/christmas/fatherchristmas_01.png",
        "recreation/holiday/christmas/jingle_bells_01.png",
        "recreation/holiday/snowman_01.png",
        "shapes/star_double_tom_webb_.png",
        "recreation/holiday/gift01.png",
        "recreation/holiday/christmas/xmas.png",
        "food/desserts/candy_10.png",
        "recreation/holiday/easter_jorkon_01.png",
        "recreation/religion/simple_cross_01_01.png",
        "plants/flowers/tulips_ganson.png",
        "recreation/holiday/valentines/heart-arrow_benji_park_01.png",
        "recreation/holiday/valentines/heart.png",
        "recreation/holiday/valentines/heart-ballons_benji_park_01.png",
        "recreation/holiday/shamrock_for_march_natha_01.png",
        "signs_and_symbols/flags/europe/ireland.png",
        "signs_and_symbols/flags/united_states_daniel_mcr_01.png",
        "signs_and_symbols/flags/canada_flag_ganson.png",
        "signs_and_symbols/flags/great_britain_flag_filip_01.png",
        "signs_and_symbols/flags/america/mexico.png",
        "recreation/holiday/pumpkin2_yemu_01.png",
        "food/desserts/candy_22.png",
        "food/desserts/candy_31.png",
        "animals/bat_orlando_karam_.png",
        "geography/astronomy/moon-crescent.png",
        "recreation/holiday/thanksgiving/turkey_on_platter_01.png",
        "recreation/holiday/thanksgiving/thanksgiving_spread_01.png",
        "food/desserts/pie_pumpkin.png",
        "plants/fall_coloured_leaf_geral_01.png",
        "recreation/holiday/midautumn1_01.png",
        "science/astronomy/full_moon_dan_gerhards_01.png",
        "recreation/holiday/sunshine_matthew_gates_01.png",
        "recreation/holiday/sailing_sunset.png",
        "recreation/holiday/beach_trip_ganson.png",
        "plants/flowers/bouquet_of_flowers_01.png",
        "geography/earth_globe_dan_gerhrads_01.png",
        "signs_and_symbols/flags/europe/france/france.png",
        "signs_and_symbols/flags/europe/germany/germany.png",
        "signs_and_symbols/flags/asia/japan.png",
        "recreation/party/couronne_01.png",
    ],
    "misc1.icl": [
        "signs_and_symbols/clocks/alarm_clock_gerald_g._01.png",
        "signs_and_symbols/clocks/alarm_clock_mike_powers_.png",
        "signs_and_symbols/clocks/analog_clock_jonathan_di_01.png",
        "signs_and_symbols/clocks/analogue_clock_01.png",
        "signs_and_symbols/clocks/clock01.png",
        "signs_and_symbols/clocks/modern_clock_chris_kemps_01.png",
        "signs_and_symbols/clocks/orologio_da_parete_archi_01.png",
        "signs_and_symbols/clocks/sand_glass_frederic_mose_01.png",
        "signs_and_symbols/clocks/sandglass_vermin_.png",
        "signs_and_symbols/weather/cloud.png",
        "signs_and_symbols/weather/cloudy01.png",
        "signs_and_symbols/weather/cloudy02.png",
        "signs_and_symbols/weather/drop_peterm_01.png",
        "signs_and_symbols/weather/icicles_benji_park_.png",
        "signs_and_symbols/weather/lightning_icon_benji_par_01.png",
        "signs_and_symbols/weather/lightning_jon_phillips_11.png",
        "signs_and_symbols/weather/moon01.png",
        "signs_and_symbols/weather/rain.png",
        "signs_and_symbols/weather/snow.png",
        "signs_and_symbols/weather/snowstorm.png",
        "signs_and_symbols/weather/sole_ezechiele_01.png",
        "signs_and_symbols/weather/storm.png",
        "signs_and_symbols/weather/sun01.png",
        "signs_and_symbols/weather/sun_ff77_01.png",
        "tools/umbrella.png",
        "food/apple_bitten_dan_gerhard_01.png",
        "food/beverages/coffe_tea_01.png",
        "food/beverages/coffee.png",
        "food/beverages/cuppa_schwoo_01.png",
        "food/beverages/lemonade.png",
        "food/beverages/milk_ganson.png",
        "food/beverages/pop_can.png",
        "food/beverages/teacup_ganson.png",
        "food/beverages/teapot_ganson.png",
        "food/breads_and_carbs/bread.png",
        "food/breads_and_carbs/croissant_01.png",
        "food/breads_and_carbs/muffin2.png",
        "food/breads_and_carbs/pancakes_berries.png",
        "food/breads_and_carbs/pretzel_01.png",
        "food/champignon_01.png",
        "food/come_si_dispongono_le_p_01.png",
        "food/crawfish2_ganson.png",
        "food/dairy/cheese_01.png",
        "food/desserts/cone1_ganson.png",
        "food/desserts/crazy_cookie_dave_pena_01.png",
        "food/desserts/flan_jean-victor_balin_01.png",
        "food/desserts/gauffre_au_chocolat_01.png",
        "food/fruit/banana.png",
        "food/fruit/cherries.png",
        "food/fruit/grape_01.png",
        "food/fruit/lemon.png",
        "food/fruit/orange.png",
        "food/fruit/pasteque_01.png",
        "food/fruit/pear.png",
        "food/fruit/peach_simple.png",
        "food/bowl_of_steaming_soup_01.png",
        "food/chef_jarno_vasamaa_.png",
        "food/beverages/drinking_glass_with_red_punch_01.png",
        "food/burrito_ganson.png",
        "food/desserts/candy_01.png",
    ],
    "misc2.icl": [
        "animals/birds/owl_on_branch_ganson.png",
        "animals/fish/bluewhale-md.png",
        "animals/mammals/a_simple_pig_01.png",
        "animals/mammals/bears/orso_architetto_francesc_04.png",
        "animals/mammals/big_cats/leone_01_architetto_fran_01.png",
        "animals/mammals/big_cats/tiger_graig_ryan_smith_-_01.png",
        "animals/mammals/coniglio_architetto_fran_01.png",
        "animals/mammals/elefante01_architetto_fr_01.png",
        "animals/mammals/horses/cavallo_architetto_franc_01.png",
        "animals/mammals/housecats/gatto_cat_architetto_fra_01.png",
        "animals/mammals/dog_04_drawn_with_strai_01.png",
        "animals/birds/gallo_di_profilo_archite_01.png",
        "animals/birds/ralf_ark.in-berlin.de_ra_01.png",
        "animals/bugs/butterfly_jonathan_dietr_01.png",
        "animals/bugs/c_rollandin_francesco_ar_01.png",
        "animals/bugs/lumaca_turbo_architetto__01.png",
        "animals/fish/bofish_massimo_aiello_r.png",
        "animals/fish/dolphin_enrique_meza_c_02.png",
        "animals/mammals/angry_monkey_benji_park_01.png",
        "animals/mammals/camel_head_01.png",
        "geography/world_map_01.png",
        "transportation/airplane.png",
        "transportation/anchor.png",
        "transportation/bus1_jarno_vasamaa_01.png",
        "transportation/lighthouse_matthew_gates_.png",
        "transportation/little_tan_suitcase_jona_.png",
        "transportation/motorcycle_jarno_vasama_.png",
        "transportation/pallone_aerestatico_arch_01.png",
        "transportation/redcar_marcelo_caiafa_.png",
        "transportation/truck_jarno_vasamaa_.png",
        "transportation/boating/boat_jarno_vasamaa1.png",
        "transportation/roadsigns/train.png",
        "transportation/ambulans_romus_01.png",
        "science/medicine/barattolo_di_pillole_arc_01.png",
        "science/medicine/medicina_dottore_archite_01.png",
        "tools/toothbrush_and_paste_ganson.png",
        "education/slate-apple_benji_park_01.png",
        "education/colori_01.png",
        "education/scissors.png",
        "education/simple_calculator_01.png",
        "office/eraser.png",
        "education/pencil_benji_park_01.png",
        "education/books/books-aj.svg_aj_ashton_01.png",
        "education/chemical_science_experience_01.png",
        "office/lens_lente_francesco_ro_r.png",
    ],
}

DESCRIPTIONS = {
    "activity.icl": "Activities: sports, games and hobbies",
    "events.icl": "Events: birthdays, parties, weddings, graduations and meetings",
    "holiday.icl": "Holidays of the year",
    "misc1.icl": "Miscellaneous #1: weather, clocks and food",
    "misc2.icl": "Miscellaneous #2: animals, travel, school and health",
}

SIZES = (32, 16)
ALIGN_SHIFT = 3  # 8-byte units: both picture sizes (4264, 1128 bytes) are whole units
RT_ICON = 0x8003
RT_GROUP_ICON = 0x800E
RESOURCE_FLAGS = 0x1C30  # moveable, pure, discardable, priority 1 (as resource compilers write)


def render(path, size):
    """The picture cropped to what it shows, centred on a square, at size."""
    image = Image.open(path)
    image.load()
    image = image.convert("RGBA")
    bbox = image.getchannel("A").point(lambda a: 255 if a > 16 else 0).getbbox()
    if bbox:
        image = image.crop(bbox)
    w, h = image.size
    side = max(w, h)
    square = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    square.paste(image, ((side - w) // 2, (side - h) // 2))
    return square.resize((size, size), Image.LANCZOS)


def dib(image):
    """BITMAPINFOHEADER + 32-bit BGRA rows + AND mask, both bottom-up."""
    size = image.width
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    mask_stride = (size + 31) // 32 * 4
    for y in reversed(range(size)):
        row_mask = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = image.getpixel((x, y))
            if a == 0:
                r = g = b = 0
            pixels += bytes((b, g, r, a))
            if a < 128:  # transparent for painters that only know the mask
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    return header + bytes(pixels) + bytes(mask)


def group_directory(first_id, pictures):
    out = struct.pack("<HHH", 0, 1, len(pictures))
    for i, (size, data) in enumerate(pictures):
        out += struct.pack("<BBBBHHIH", size % 256, size % 256, 0, 0, 1, 32, len(data), first_id + i)
    return out


def pascal(text):
    data = text.encode("ascii")
    return bytes((len(data),)) + data


def align(value, unit):
    return (value + unit - 1) // unit * unit


def ne_library(module, description, icons):
    """An NE resource-only library: MZ stub, NE header, resource table,
    resident and non-resident name tables, then the resources."""
    unit = 1 << ALIGN_SHIFT
    icon_resources = []  # (id, data)
    group_resources = []
    for pictures in icons:
        first = len(icon_resources) + 1
        group_resources.append((len(group_resources) + 1, group_directory(first, pictures)))
        for _size, data in pictures:
            icon_resources.append((len(icon_resources) + 1, data))

    ne_at = 0x40
    ne_size = 0x40
    resource_table_size = 2 + (8 + 12 * len(icon_resources)) + (8 + 12 * len(group_resources)) + 2 + 1
    resident = pascal(module.upper()) + struct.pack("<H", 0) + b"\0"
    nonresident = pascal(description) + struct.pack("<H", 0) + b"\0"
    resource_table_at = ne_at + ne_size
    resident_at = resource_table_at + resource_table_size
    modref_at = resident_at + len(resident)
    imported_at = modref_at  # no module references
    entry_at = imported_at + 1  # imported names: one empty byte
    entry_table = b"\0\0"  # no entry bundles
    nonresident_at = entry_at + len(entry_table)
    data_at = align(nonresident_at + len(nonresident), unit)

    # Place the resources.
    table = struct.pack("<H", ALIGN_SHIFT)
    blobs = bytearray()
    position = data_at
    for type_id, resources in ((RT_ICON, icon_resources), (RT_GROUP_ICON, group_resources)):
        table += struct.pack("<HHI", type_id, len(resources), 0)
        for rid, data in resources:
            length = align(len(data), unit)
            table += struct.pack("<HHHHHH", position >> ALIGN_SHIFT, length >> ALIGN_SHIFT,
                                 RESOURCE_FLAGS, 0x8000 | rid, 0, 0)
            blobs += data + b"\0" * (length - len(data))
            position += length
    table += struct.pack("<H", 0) + b"\0"  # end of types, no resource names
    assert len(table) == resource_table_size

    mz = bytearray(ne_at)
    struct.pack_into("<2sHHHHHHHHHHHHH", mz, 0, b"MZ", 0x80, 1, 0, 4, 0, 0xFFFF, 0, 0xB8, 0, 0, 0, 0x40, 0)
    struct.pack_into("<I", mz, 0x3C, ne_at)

    ne = struct.pack(
        "<2sBBHHIHHHHII" "HHHHHHHH" "IHHH" "BB" "HHHH",
        b"NE", 5, 10,
        entry_at - ne_at, len(entry_table),
        0,  # CRC
        0x8000,  # library module, no automatic data segment
        0, 0, 0,  # auto data segment, heap, stack
        0, 0,  # CS:IP, SS:SP
        0, 0,  # segments, module references
        len(nonresident),
        resource_table_at - ne_at,  # segment table (empty) sits where the resources start
        resource_table_at - ne_at,
        resident_at - ne_at,
        modref_at - ne_at,
        imported_at - ne_at,
        nonresident_at,  # absolute
        0,  # movable entries
        ALIGN_SHIFT,  # segment alignment
        len(icon_resources) + len(group_resources),
        2,  # Windows
        0,
        0, 0,  # gangload area
        0,
        0x030A,  # Windows 3.10
    )
    assert len(ne) == ne_size
    out = bytearray(mz) + ne + table + resident + b"\0" + entry_table + nonresident
    out += b"\0" * (data_at - len(out))
    out += blobs
    return bytes(out)


def svg_metadata(relative):
    """(title, author, licence) from the SVG twin of a PNG, where known."""
    path = os.path.join(SVG_ROOT, os.path.splitext(relative)[0] + ".svg")
    title, author, licence = None, None, "Public domain"
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
    except OSError:
        return title, author, licence
    work = re.search(r"<cc:Work.*?</cc:Work>", text, re.S)
    if work:
        block = work.group(0)
        m = re.search(r"<dc:title>([^<]*)</dc:title>", block)
        if m and m.group(1).strip():
            title = m.group(1).strip()
        m = re.search(r"<dc:creator>.*?<dc:title>([^<]*)</dc:title>", block, re.S)
        if m and m.group(1).strip():
            author = m.group(1).strip()
        m = re.search(r'<cc:license\s+rdf:resource="([^"]*)"', block)
        if m and m.group(1) and "PublicDomain" not in m.group(1):
            licence = m.group(1)
    return title, author, licence


def check_picture(image, name):
    alphas = list(image.getchannel("A").getdata())
    transparent = sum(1 for a in alphas if a == 0)
    if transparent == 0 or transparent > len(alphas) - 64:
        sys.exit("%s: needs a transparent background and a visible picture at 32x32" % name)


def contact_sheet(library, images, out_dir):
    cols = 10
    rows = (len(images) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * 72, rows * 72), (255, 255, 255))
    for i, image in enumerate(images):
        cell = Image.new("RGBA", (64, 64), (200, 220, 255, 255))
        cell.alpha_composite(image.resize((64, 64), Image.NEAREST))
        sheet.paste(cell.convert("RGB"), ((i % cols) * 72 + 4, (i // cols) * 72 + 4))
        ImageDraw.Draw(sheet).text(((i % cols) * 72 + 4, (i // cols) * 72 + 4), str(i), fill=(0, 0, 0))
    sheet.save(os.path.join(out_dir, library.replace(".icl", "_sheet.png")))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sheet", help="folder for contact sheets")
    args = parser.parse_args()
    if not os.path.isdir(PNG_ROOT):
        sys.exit("Needs the openclipart-png package (%s)" % PNG_ROOT)

    sources = [
        "# Pictures of the icon libraries",
        "",
        "Every picture comes from the Open Clip Art Library, as packaged by Debian 12",
        "(`openclipart-png` and `openclipart-svg`, version 1:0.18+dfsg). All of its",
        "pictures are dedicated to the public domain (Creative Commons Public Domain",
        "Dedication; see `/usr/share/doc/openclipart-png/copyright`). Titles and",
        "authors are those recorded in each picture's SVG file; \"unknown\" where it",
        "records none. The pictures were cropped, centred and scaled to 32x32 and",
        "16x16 pixels by `make_icon_libraries.py`.",
        "",
    ]
    for library, files in LIBRARIES.items():
        icons = []
        big = []
        sources += ["## %s (%s)" % (library, DESCRIPTIONS[library]), "",
                    "| Icon | File (under /usr/share/openclipart/png) | Title | Author | Licence |",
                    "|---|---|---|---|---|"]
        for index, relative in enumerate(files):
            path = os.path.join(PNG_ROOT, relative)
            pictures = []
            for size in SIZES:
                image = render(path, size)
                if size == 32:
                    check_picture(image, relative)
                    big.append(image)
                pictures.append((size, dib(image)))
            icons.append(pictures)
            title, author, licence = svg_metadata(relative)
            sources.append("| %d | %s | %s | %s | %s |" % (
                index, relative, title or "unknown", author or "unknown", licence))
        sources.append("")
        module = os.path.splitext(library)[0]
        with open(os.path.join(HERE, library), "wb") as f:
            f.write(ne_library(module, DESCRIPTIONS[library], icons))
        if args.sheet:
            os.makedirs(args.sheet, exist_ok=True)
            contact_sheet(library, big, args.sheet)
        print("%s: %d icons" % (library, len(icons)))
    with open(os.path.join(HERE, "SOURCES.md"), "w", encoding="utf-8") as f:
        f.write("\n".join(sources))


if __name__ == "__main__":
    main()
