#pragma once

// Every SQL text the program sends, exactly as written (trailing and double blanks included).
// Build runnable queries from them with SqlQuery::Format. Table names ending in "_%s" take the
// language suffix first.
namespace sql {

// ---- lesson database ----
inline constexpr char kLessonTitles[] = "SELECT * FROM tbl_lesson_main_%s";
inline constexpr char kLessonMainById[] = "SELECT * FROM tbl_lesson_main where id = %d";
inline constexpr char kUserLessonScore[] =
    "select * from tbl_user_lesson where id = '%s' and lessonindex = %d";
inline constexpr char kUserByName[] = "select * from  tbl_user_main where username = '%s'";
inline constexpr char kInsertUser[] =
    "INSERT into tbl_user_main (id,username,password22) VALUES ('%s','%s','%s')";
inline constexpr char kAllUsers[] = "select * from  tbl_user_main";
// Replaces a clear-text password with its salted hash once the user has logged in with it.
inline constexpr char kUpdateUserPassword[] = "UPDATE tbl_user_main SET password22 = '%s' WHERE id = '%s'";
// Learner progress written by the practice programs: the best exercise score of a lesson and the
// lessons a learner has opened. The opened lessons have a table of their own, made when first
// needed, because a score row of 0 means "not started".
inline constexpr char kUserById[] = "select * from  tbl_user_main where id = '%s'";
inline constexpr char kInsertUserLessonScore[] =
    "INSERT INTO tbl_user_lesson (id, lessonindex, score) VALUES ('%s', %d, %d)";
inline constexpr char kUpdateUserLessonScore[] =
    "UPDATE tbl_user_lesson SET score = %d WHERE id = '%s' and lessonindex = %d";
inline constexpr char kCreateOpenedLessons[] =
    "CREATE TABLE IF NOT EXISTS tbl_user_lesson_opened (id TEXT COLLATE NOCASE, lessonindex INTEGER, "
    "PRIMARY KEY (id, lessonindex))";
inline constexpr char kMarkLessonOpened[] =
    "INSERT OR IGNORE INTO tbl_user_lesson_opened (id, lessonindex) VALUES ('%s', %d)";
inline constexpr char kOpenedLessonsOfUser[] = "select * from tbl_user_lesson_opened where id = '%s'";
// The new-word trainer's cards (one word in one direction, with its memory state) and the log of
// every review. Made when first needed, like the opened lessons, for older lesson databases.
// Stability and difficulty are bound as text; the REAL columns store them as numbers.
inline constexpr char kCreateUserCards[] =
    "CREATE TABLE IF NOT EXISTS tbl_user_card (id TEXT COLLATE NOCASE, word TEXT COLLATE NOCASE, "
    "pinyin TEXT COLLATE NOCASE, direction INTEGER, stability REAL, difficulty REAL, due TEXT COLLATE "
    "NOCASE, "
    "lastreview TEXT COLLATE NOCASE, reps INTEGER, lapses INTEGER, introduced TEXT COLLATE NOCASE, "
    "PRIMARY KEY (id, word, pinyin, direction))";
inline constexpr char kCreateUserReviews[] =
    "CREATE TABLE IF NOT EXISTS tbl_user_review (id TEXT COLLATE NOCASE, word TEXT COLLATE NOCASE, "
    "pinyin TEXT COLLATE NOCASE, direction INTEGER, reviewed TEXT COLLATE NOCASE, elapsed INTEGER, "
    "grade INTEGER, stability REAL, difficulty REAL, due TEXT COLLATE NOCASE)";
inline constexpr char kTableExists[] = "select name from sqlite_master where type = 'table' and name = '%s'";
inline constexpr char kUserCardsOfUser[] = "select * from tbl_user_card where id = '%s'";
inline constexpr char kScoredLessonsOfUser[] = "select lessonindex from tbl_user_lesson where id = '%s'";
inline constexpr char kStoreUserCard[] =
    "INSERT OR REPLACE INTO tbl_user_card (id, word, pinyin, direction, stability, difficulty, due, "
    "lastreview, reps, lapses, introduced) VALUES ('%s', '%s', '%s', %d, '%s', '%s', '%s', '%s', %d, %d, "
    "'%s')";
inline constexpr char kInsertUserReview[] =
    "INSERT INTO tbl_user_review (id, word, pinyin, direction, reviewed, elapsed, grade, stability, "
    "difficulty, due) VALUES ('%s', '%s', '%s', %d, '%s', %d, %d, '%s', '%s', '%s')";
inline constexpr char kBeginWrite[] = "BEGIN IMMEDIATE";
inline constexpr char kCommit[] = "COMMIT";
inline constexpr char kRollback[] = "ROLLBACK";
inline constexpr char kLessonTitleById[] = "SELECT * FROM tbl_lesson_main_%s where id = %d";
inline constexpr char kChildLessonsOfLesson[] =
    "Select * from tbl_lesson_childlesson where lessonid = %d order by indexid";
inline constexpr char kChildLessonText[] = "Select * from tbl_lesson_childlesson_%s where id ='%s'";
inline constexpr char kChildLessonById[] = "Select * from tbl_lesson_childlesson where  id = '%s'";
inline constexpr char kSentencesOfChildLesson[] =
    "Select * from tbl_lesson_sentence where childlessonid ='%s' order by sentenceindex";
inline constexpr char kSentenceExplain[] = "Select * from tbl_sentence_explain_%s where id = '%s' ";
inline constexpr char kSentenceById[] = "Select * from tbl_lesson_sentence where  id = '%s'";
inline constexpr char kLanguagePoint[] = "Select * from tbl_lesson_langpoint_%s where lesssonid =%d";
inline constexpr char kNoteById[] = "Select * from tbl_sentence_notes_%s where id ='%s'";
inline constexpr char kNotesOfLesson[] =
    "select * from tbl_sentence_notes_%s where lessonid = %d order by noteIndex";
inline constexpr char kNewWordsOfLesson[] = "Select * from tbl_lesson_newword where lessonid = %d ";
inline constexpr char kNewWordExplain[] = "select * from tbl_lesson_newword_%s where id = '%s'";
// Every new word of the course (or of one lesson) with its explanation, lesson by lesson in the
// order the lesson query gives them, for the practice programs' readers of whole lessons.
inline constexpr char kNewWordsOfCourse[] =
    "select n.*, (select e.explain from tbl_lesson_newword_%s e where e.id = n.id) as explain "
    "from tbl_lesson_newword n order by n.lessonid, n.rowid";
inline constexpr char kNewWordsOfOneLesson[] =
    "select n.*, (select e.explain from tbl_lesson_newword_%s e where e.id = n.id) as explain "
    "from tbl_lesson_newword n where n.lessonid = %d order by n.rowid";
inline constexpr char kNewWordExplainForStudy[] = "SELECT * FROM tbl_lesson_newword_%s WHERE id = '%s' ";
inline constexpr char kTypicalOfLesson[] =
    "Select * from tbl_lesson_typical where lessonid = %d order by indexid";
inline constexpr char kTypicalById[] = "Select * from tbl_lesson_typical where id = '%s'";
inline constexpr char kTypicalTranslation[] = "select * from tbl_lesson_typical_%s where id = '%s'";
inline constexpr char kTypicalDemos[] = "Select * from tbl_lesson_typical_demo where typicalid = '%s' ";
inline constexpr char kTypicalDemoText[] = "Select * from tbl_lesson_typical_demo_%s where id = '%s'";

// ---- word database ----
inline constexpr char kCharacterByHz[] = "SELECT * FROM tbl_hz_main WHERE hz = '%s' ";
inline constexpr char kCharacterByChar[] = "select * from tbl_hz_main where hz ='%c'";
inline constexpr char kCharacterImages[] = "SELECT * FROM tbl_hz_image_song WHERE id = '%s' ";
inline constexpr char kCharacterImagesForStudy[] = "SELECT * FROM tbl_hz_image_song WHERE  id = '%s' ";
inline constexpr char kCharacterImagesForText[] = "select * from tbl_hz_image_song where id ='%s'";
inline constexpr char kStrokeImages[] = "select * from tbl_hz_bhimg_song where hzid= '%s' order by djh";
inline constexpr char kStrokePositions[] = "SELECT * FROM tbl_hz_bhpos_song WHERE id = '%s' ";
inline constexpr char kWordClass[] = "SELECT * FROM tbl_hz_cx WHERE id = '%s' ";
inline constexpr char kWordClassForNewWords[] = "select * from tbl_hz_cx where id ='%s'";
inline constexpr char kWordClasses[] = "select * from tbl_hz_cx";
inline constexpr char kPhraseByTextAndPinyin[] =
    "SELECT * FROM tbl_phrase_main WHERE cz = '%s' and czpinyin = '%s' ";
inline constexpr char kPhraseByText[] = "SELECT * FROM tbl_phrase_main WHERE cz = '%s' ";
inline constexpr char kPhraseByPinyin[] = "SELECT * FROM tbl_phrase_main WHERE czpinyin = '%s' ";
// The phrases holding a character ('%s' is the LIKE pattern), the most frequent first.
inline constexpr char kPhrasesWithCharacter[] =
    "SELECT * FROM tbl_phrase_main WHERE cz LIKE '%s' ORDER BY cipin DESC, id";
inline constexpr char kPhraseById[] = "SELECT * FROM tbl_phrase_main WHERE id = '%s' ";
inline constexpr char kPhraseExplainById[] = "SELECT * FROM tbl_phrase_explain_%s WHERE id = '%s' ";
inline constexpr char kPhraseExplainByWord[] = "SELECT * FROM tbl_phrase_explain_%s WHERE wordid = '%s' ";
inline constexpr char kPinyinRule[] = "select * from tbl_pinyin_rule where pinyin='%s' ";
inline constexpr char kFinalByMarkedText[] = "SELECT * FROM tbl_pinyin_yunmu WHERE ymtune = '%s' ";
inline constexpr char kFinalByPlainAndTone[] =
    "SELECT * FROM tbl_pinyin_yunmu WHERE ym = '%s' and tune = %d ";
inline constexpr char kFinalWhere[] = "SELECT * FROM tbl_pinyin_yunmu where %s";
inline constexpr char kFinalCondition[] = "ymtune = '%s'";
inline constexpr char kInitialImage[] = "SELECT img FROM tbl_pinyin_shengmu WHERE sm = '%s' ";
inline constexpr char kCapitalInitialImage[] = "SELECT bigimg FROM tbl_pinyin_shengmu WHERE bigsm = '%s' ";
inline constexpr char kInitialWhere[] = "SELECT * FROM tbl_pinyin_shengmu where %s";
inline constexpr char kInitialCondition[] = "sm = '%s'";
inline constexpr char kCapitalInitialCondition[] = "bigsm = '%s'";
inline constexpr char kPunctuationByChinese[] = "SELECT * FROM tbl_biaodian_main WHERE bd = '%s' ";
inline constexpr char kPunctuationByWestern[] = "SELECT * FROM tbl_biaodian_main WHERE bden = '%s' ";
inline constexpr char kPunctuationByChineseChar[] = "select * from tbl_biaodian_main where bd ='%c'";
inline constexpr char kPunctuationByWesternChar[] = "select * from tbl_biaodian_main where bden ='%c'";
// The apostrophe cannot stand between quotes as a value; these fixed texts look it up.
inline constexpr char kPunctuationApostrophe[] = "SELECT * FROM tbl_biaodian_main WHERE bden = '''' ";
inline constexpr char kPunctuationApostropheChar[] = "select * from tbl_biaodian_main where bden ='''' ";
// A glyph picture at a scale above the base size (percent); '%s' are the kind of picture ("hz" Song
// glyphs, "py" letters) and the glyph.
inline constexpr char kGlyphAtScale[] =
    "select * from tbl_glyph_size where source = '%s' and glyph = '%s' and scale = %d";

// ---- connection ----
inline constexpr char kConnectionString[] =
    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%s;JET OLEDB:Database Password=mintharborveil;";

// ---- log texts of content readers ----
inline constexpr char kOpenFailedLog[] = "打开数据库连接执行SQL：%s 出错！";
inline constexpr char kExceptionLog[] = "执行SQL：%s 出现异常错误！";

} // namespace sql
