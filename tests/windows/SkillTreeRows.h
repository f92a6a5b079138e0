#pragma once
// A small class tree made by hand, on the schema: two races that both have a class named
// "Fighter" (the elves' second in their list), a parent name with an apostrophe, a skill without a name row, a class that learns
// nothing, and a race that learns a skill its classes do not inherit.

#include "tools/gendb/SchemaText.h"

#include <string>

namespace skilltree {

inline constexpr int kHumanFighter = 11;
inline constexpr int kElfFighter = 21;

inline std::string databaseSql()
{
    return std::string(gen::schemaText()) + R"SQL(
INSERT INTO classes (id,name,parents,min_level,max_level) VALUES
  (10,'Human',NULL,1,20),(20,'Elf',NULL,1,20),(11,'Fighter','Human',1,20),(12,'Mystic','Human',1,20),
  (22,'Ranger','Elf',1,20),(21,'Fighter','Elf',1,20),(13,'Sage''s Path','Mystic',20,40),
  (14,'Loremaster','Sage''s Path',40,80);
INSERT INTO skills VALUES (1,1,1,40,10.5,1.25,'skill_001',10),(1,2,1,40,10.5,1.25,'skill_001',12),
  (2,1,0,-1,0,0,'',0),(3,1,1,600,30,2,'skill_003',20),(4,1,1,40,1,1,'skill_004',5);
INSERT INTO skillnames VALUES (1,1,'Power Strike','Hits hard'),(1,2,'Power Strike','Hits harder'),
  (2,1,'Toughness','More HP'),(3,1,'Arrow Rain','Many arrows');
INSERT INTO gainskills VALUES (11,1,2,10,300),(11,1,1,5,100),(11,2,1,5,150),(11,3,1,10,400),(11,4,1,10,50),
  (21,3,1,5,120),(13,2,1,20,500),(10,2,1,1,0);
)SQL";
}

} // namespace skilltree
