#include "tests/data/TestDb.h"

// Small world with every case the statements distinguish: a weapon dropped in a range (2-5),
// singly (1), never (max 0) and twice identically (UNION keeps one); a pet weapon; a shield;
// a monster without a display name; an NPC; two recipes of one item; a class tree.
QString standardRows()
{
    return QStringLiteral(R"SQL(
INSERT INTO items VALUES (57,'sword_of_valor','Weapon','Steel','weapon_sword_01',1500,200000,0);
INSERT INTO items VALUES (58,'elder_oak_staff','Weapon','Wood','staff_01',1000,150000,0);
INSERT INTO items VALUES (59,'petal_blade','Weapon','Steel','petsword',10,1,0);
INSERT INTO items VALUES (60,'tower_shield','Armor','Steel','shield_01',2000,100000,0);
INSERT INTO items VALUES (61,'windcaller','Weapon','wood','bow_01',900,120000,0);
INSERT INTO items VALUES (70,'blackwood_plate','Armor','Steel','armor_01',5000,300000,0);
INSERT INTO items VALUES (71,'wanderer_boots','Armor','Leather','boots_01',800,50000,0);
INSERT INTO items VALUES (72,'moon_ring','Accesories','Silver','ring_01',5,90000,0);
INSERT INTO items VALUES (80,'iron_ore','Material','Stone','ore_01',5,100,1);
INSERT INTO items VALUES (81,'animal_bone','Material','Bone','bone_01',5,50,1);
INSERT INTO items VALUES (82,'ABalone','Material','Shell','shell_01',1,10,1);
INSERT INTO itemnames VALUES (57,'Sword of Valor','A fine sword');
INSERT INTO itemnames VALUES (58,'Elder Oak Staff','Old wood');
INSERT INTO itemnames VALUES (59,'Petal Blade','Pet toy');
INSERT INTO itemnames VALUES (60,'Tower Shield','Big');
INSERT INTO itemnames VALUES (61,'Windcaller Longbow','Hunter''s pride');
INSERT INTO itemnames VALUES (70,'Blackwood Breastplate','Heavy');
INSERT INTO itemnames VALUES (71,'Wanderer''s Boots','Light');
INSERT INTO itemnames VALUES (72,'Moon Ring','Shiny');
INSERT INTO itemnames VALUES (80,'Iron Ore','Ore');
INSERT INTO itemnames VALUES (81,'Animal Bone','Bone');
INSERT INTO itemnames VALUES (82,'abalone shell','Shell');
INSERT INTO weapons VALUES (57,'Sword','One-handed','C',10,120,60,1,1,379,5);
INSERT INTO weapons VALUES (58,'Staff','Two-handed','D',5,80,100,1,1,325,8);
INSERT INTO weapons VALUES (59,'Sword','One-handed','D',1,1,1,1,1,379,1);
INSERT INTO weapons VALUES (60,'Shields','One-handed','C',0,0,0,0,0,0,0);
INSERT INTO weapons VALUES (61,'Hunter''s Bow','Two-handed','C',8,200,40,2,1,293,6);
INSERT INTO armor VALUES (60,'Shields','Shield',1,'C',5,150,0,0);
INSERT INTO armor VALUES (70,'Upper Body','Heavy',1,'B',20,300,0,0);
INSERT INTO armor VALUES (71,'Boots','Light',0,'D',2,40,0,0);
INSERT INTO armor VALUES (72,'Rings','Jewel',0,'C',3,0,30,10);
INSERT INTO armor_type VALUES ('Upper Body');
INSERT INTO armor_type VALUES ('Boots');
INSERT INTO armor_type VALUES ('Shields');
INSERT INTO accesories_type VALUES ('Rings');
INSERT INTO monsters (id,name,level,npc,attack_type,attack_range,hp,mp,exp,sp,phys_attack,phys_def,magic_attack,magic_def,attack_speed,aggro)
  VALUES (1,'ashen_ghoul',12,0,'melee',40,500,100,300,20,50,40,10,30,250,1),
         (2,'field_rat',3,0,'melee',40,50,10,20,1,5,4,1,3,250,0),
         (3,'frost_drake',40,0,'magic',400,9000,900,8000,700,500,400,600,300,250,1),
         (4,'ranger',20,0,'bow',600,800,200,900,80,90,60,30,50,300,0),
         (5,'innkeeper',1,1,'melee',40,100,0,0,0,1,1,1,1,250,0),
         (6,'hollow_shade',10,0,'magic',40,300,300,200,20,20,20,20,20,250,1),
         (7,'abyss_lord',10,0,'magic',40,300,300,200,20,20,20,20,20,250,1);
INSERT INTO npcnames VALUES (1,'Ashen Ghoul','');
INSERT INTO npcnames VALUES (2,'Field Rat','');
INSERT INTO npcnames VALUES (3,'Frost Drake','Lord of Ice');
INSERT INTO npcnames VALUES (4,'Ranger','');
INSERT INTO npcnames VALUES (5,'Innkeeper','Town');
INSERT INTO npcnames VALUES (7,'Abyss Lord','');
INSERT INTO drops (npc_id,item_id,sweep,"min","max",percentage) VALUES
  (1,57,0,2,5,12.5), (4,57,0,1,1,0.35), (4,57,0,1,1,0.35), (3,57,0,0,0,70),
  (2,57,1,1,1,3), (1,80,0,1,3,50), (2,80,0,4,1,45), (6,58,0,1,1,10), (3,80,1,2,2,0.05),
  (5,81,0,1,2,8);
INSERT INTO monster_location (npc_id,X,Y,main_location) VALUES (1,100,-200,1),(1,150,-250,0),(3,9000,4000,1);
INSERT INTO recipes VALUES (58,100,5,120,1,1001,5000);
INSERT INTO recipes VALUES (58,60,5,100,1,1002,3000);
INSERT INTO recipes VALUES (70,100,7,200,1,1003,9000);
INSERT INTO ingredients (item_id,rate,material,quantity) VALUES
  (58,100,80,10),(58,100,81,2),(58,60,80,5),(70,100,80,30),(70,100,82,3);
INSERT INTO sets VALUES (1,'Blackwood Set','+10% HP','Heavy');
INSERT INTO sets VALUES (2,'Wanderer''s Set','+5% speed','Light');
INSERT INTO setitems (set_id,item_id) VALUES (1,70),(1,60),(2,71);
INSERT INTO classes (id,name,parents,min_level,max_level) VALUES
  (10,'Human',NULL,1,80),(20,'Elf',NULL,1,80),(11,'Fighter','Human',1,20),(12,'Mystic','Human',1,20),
  (13,'Warrior','Fighter',20,40),(21,'Fighter','Elf',1,20);
INSERT INTO skills VALUES (1,1,1,40,10.5,1.2,'skill_001',10),(1,2,1,40,10.5,1.2,'skill_001',12),
  (2,1,0,0,0,0,'skill_002',0);
INSERT INTO skillnames VALUES (1,1,'Power Strike','Hits hard'),(1,2,'Power Strike','Hits harder'),
  (2,1,'Toughness','More HP');
INSERT INTO gainskills VALUES (11,1,1,5,100),(11,1,2,10,300),(11,2,1,5,150),(13,1,2,20,500);
INSERT INTO questnames VALUES (1,'Lost Ring','Find the ring'),(2,'Rat Hunt','Kill rats');
INSERT INTO questdetails VALUES (1,'Talk to the innkeeper'),(2,'Ten rats');
INSERT INTO quests VALUES (1,'10','All','All','No','Town',1000,500),(2,'3','Human','Fighter','Yes','Field',50,10);
)SQL");
}
