-- The Vendra game database: twenty-one tables.
-- Text compares case-insensitively (NOCASE), as the original store did.
-- Relations are joined by the windows but not enforced: rows without a partner drop out of joins.

-- Items: one items row and one itemnames row per item; weapons and armor pieces add one more.
CREATE TABLE items (
    id            INTEGER PRIMARY KEY,
    name          TEXT COLLATE NOCASE,
    type          TEXT COLLATE NOCASE,
    material_type TEXT COLLATE NOCASE,
    icon          TEXT COLLATE NOCASE,
    weight        INTEGER,
    price         INTEGER,
    stackable     BOOLEAN
);
CREATE INDEX items_type ON items(type);

CREATE TABLE itemnames (
    id          INTEGER PRIMARY KEY,
    name        TEXT COLLATE NOCASE,
    description TEXT COLLATE NOCASE
);
CREATE INDEX itemnames_name ON itemnames(name);

CREATE TABLE weapons (
    id               INTEGER PRIMARY KEY,
    weapon_type      TEXT COLLATE NOCASE,
    hands            TEXT COLLATE NOCASE,
    crystal_type     TEXT COLLATE NOCASE,
    crystal_count    INTEGER,
    physical_damage  INTEGER,
    magical_damage   INTEGER,
    soulshot_count   INTEGER,
    spiritshot_count INTEGER,
    attack_speed     INTEGER,
    mp_consume       INTEGER
);
CREATE INDEX weapons_weapon_type ON weapons(weapon_type);

CREATE TABLE armor (
    id               INTEGER PRIMARY KEY,
    body_part        TEXT COLLATE NOCASE,
    armor_type       TEXT COLLATE NOCASE,
    crystallizable   INTEGER,
    crystal_type     TEXT COLLATE NOCASE,
    crystal_count    INTEGER,
    physical_defense INTEGER,
    magical_defense  INTEGER,
    mp_bonus         INTEGER
);
CREATE INDEX armor_body_part ON armor(body_part);

-- The type filters of the armor and accessories windows; each name is a body_part value.
CREATE TABLE armor_type (
    name TEXT COLLATE NOCASE PRIMARY KEY
);

CREATE TABLE accesories_type (
    name TEXT COLLATE NOCASE PRIMARY KEY
);

-- Monsters and NPCs (npc <> 0 marks a non-combat NPC).
CREATE TABLE monsters (
    id           INTEGER PRIMARY KEY,
    name         TEXT COLLATE NOCASE,
    level        INTEGER,
    npc          INTEGER,
    attack_type  TEXT COLLATE NOCASE,
    attack_range INTEGER,
    hp           INTEGER,
    mp           INTEGER,
    exp          INTEGER,
    sp           INTEGER,
    phys_attack  INTEGER,
    phys_def     INTEGER,
    magic_attack INTEGER,
    magic_def    INTEGER,
    attack_speed INTEGER,
    aggro        INTEGER
);
CREATE INDEX monsters_level ON monsters(level);

CREATE TABLE npcnames (
    id    INTEGER PRIMARY KEY,
    name  TEXT COLLATE NOCASE,
    title TEXT COLLATE NOCASE
);

-- sweep 0: dropped on kill; 1: obtained by spoiling. Rows with max < 1 are never listed.
CREATE TABLE drops (
    id         INTEGER PRIMARY KEY AUTOINCREMENT,
    npc_id     INTEGER,
    item_id    INTEGER,
    sweep      INTEGER,
    "min"      INTEGER,
    "max"      INTEGER,
    percentage REAL
);
-- The panes ask for one monster's or one item's drops or spoils: the key leads, sweep and max narrow.
CREATE INDEX drops_npc_id ON drops(npc_id, sweep, "max");
CREATE INDEX drops_item_id ON drops(item_id, sweep, "max");

CREATE TABLE monster_location (
    id            INTEGER PRIMARY KEY AUTOINCREMENT,
    npc_id        INTEGER,
    X             INTEGER,
    Y             INTEGER,
    main_location BOOLEAN
);
CREATE INDEX monster_location_npc_id ON monster_location(npc_id);

-- Crafting: a recipe is the pair (item_id, rate); its ingredients share that pair.
CREATE TABLE recipes (
    item_id   INTEGER NOT NULL,
    rate      INTEGER NOT NULL,
    level     INTEGER,
    mp        INTEGER,
    output    INTEGER,
    recipe_id INTEGER,
    npc_fee   INTEGER,
    PRIMARY KEY (item_id, rate)
);

CREATE TABLE ingredients (
    id       INTEGER PRIMARY KEY AUTOINCREMENT,
    item_id  INTEGER,
    rate     INTEGER,
    material INTEGER,
    quantity INTEGER
);
CREATE INDEX ingredients_item_id ON ingredients(item_id, rate);
CREATE INDEX ingredients_material ON ingredients(material);

-- Armor sets.
CREATE TABLE sets (
    id    INTEGER PRIMARY KEY,
    name  TEXT COLLATE NOCASE,
    bonus TEXT COLLATE NOCASE,
    type  TEXT COLLATE NOCASE
);

CREATE TABLE setitems (
    id      INTEGER PRIMARY KEY AUTOINCREMENT,
    set_id  INTEGER,
    item_id INTEGER
);
CREATE INDEX setitems_set_id ON setitems(set_id);
CREATE INDEX setitems_item_id ON setitems(item_id);

-- Skills: races (parents NULL) -> classes -> professions, linked by parent name.
CREATE TABLE classes (
    id        INTEGER,
    name      TEXT COLLATE NOCASE,
    parents   TEXT COLLATE NOCASE,
    min_level INTEGER,
    max_level INTEGER,
    auto_id   INTEGER PRIMARY KEY AUTOINCREMENT
);
CREATE INDEX classes_id ON classes(id);
CREATE INDEX classes_parents ON classes(parents);

CREATE TABLE gainskills (
    class_id    INTEGER,
    skill_id    INTEGER,
    skill_level INTEGER,
    level       INTEGER,
    sp_cost     INTEGER
);
-- Holds every column the skill list reads, in its first sort order: one class's rows come from
-- a few index pages instead of the whole table.
CREATE INDEX gainskills_class_id ON gainskills(class_id, level, skill_id, skill_level, sp_cost);
CREATE INDEX gainskills_skill ON gainskills(skill_id, skill_level);

CREATE TABLE skills (
    skil_id     INTEGER NOT NULL,
    level       INTEGER NOT NULL,
    active      INTEGER,
    "range"     INTEGER,
    reuse_delay REAL,
    skill_time  REAL,
    icon        TEXT COLLATE NOCASE,
    mp_consume  INTEGER,
    PRIMARY KEY (skil_id, level)
);

CREATE TABLE skillnames (
    skil_id     INTEGER NOT NULL,
    level       INTEGER NOT NULL,
    name        TEXT COLLATE NOCASE,
    description TEXT COLLATE NOCASE,
    PRIMARY KEY (skil_id, level)
);

-- Quests.
CREATE TABLE questnames (
    id          INTEGER PRIMARY KEY,
    name        TEXT COLLATE NOCASE,
    description TEXT COLLATE NOCASE
);

CREATE TABLE questdetails (
    quest_id INTEGER,
    details  TEXT COLLATE NOCASE
);
CREATE INDEX questdetails_quest_id ON questdetails(quest_id);

CREATE TABLE quests (
    id             INTEGER,
    level          TEXT COLLATE NOCASE,
    race           TEXT COLLATE NOCASE,
    class          TEXT COLLATE NOCASE,
    repeatable     TEXT COLLATE NOCASE,
    start_location TEXT COLLATE NOCASE,
    exp            INTEGER,
    adena          INTEGER
);
CREATE INDEX quests_id ON quests(id);
