#include "TinyLesson.h"

std::string TinyLessonSource() {
    return R"(# a tiny lesson
[lesson 3]
title.en: Numbers
title.fr: Les nombres

[speaker wang]
zh: 王 老师
py: Wáng lǎoshī
en: Teacher Wang
fr: Professeur Wang

[child]
title.en: Counting
title.fr: Compter

[sentence]
zh: 一 ， 二 ， 三 。
py: yī , èr , sān .
en: One, two, three.
fr: Un, deux, trois.

[child]
title.en: In class
title.fr: En classe

[sentence wang]
zh: 你好 ！
py: nǐhǎo !
en: Hello!
fr: Bonjour !

[sentence wang]
zh: 我 是 老师 。 *
py: wǒ shì lǎoshī . *
note: teacher
en: I am the teacher.
fr: Je suis le professeur.

[word]
zh: 老师
py: lǎoshī
pos: n
en: teacher
fr: professeur

[word]
zh: 你好
py: nǐhǎo
pos: phr
en: hello
fr: bonjour

[word]
zh: 二
py: èr
pos: num
en: two
fr: deux

[note greeting]
en: A greeting.
fr: Une salutation.

[note teacher]
zh: 老师
py: lǎoshī
en: Say 老师 to a teacher,
  also after the surname.
fr: On dit 老师 à un professeur,
  aussi après le nom.

[point]
title.en: Numbers
title.fr: Les nombres
en: Count like this.
fr: On compte ainsi.
[example]
zh: 一 ， 二 。
py: yī , èr .
en: One, two.
fr: Un, deux.

[pattern]
zh: 我 是 …… 。
py: wǒ shì …… .
en: I am ...
fr: Je suis ...
[demo]
zh: 我 是 老师 。
py: wǒ shì lǎoshī .
part: 老师
partpy: lǎoshī
en: I am a teacher.
fr: Je suis professeur.
meaning.en: teacher
meaning.fr: professeur
[demo]
zh: 我 是 王 老师 。
py: wǒ shì Wáng lǎoshī .
part: 王 老师
partpy: Wáng lǎoshī
en: I am Teacher Wang.
fr: Je suis le professeur Wang.
meaning.en: Teacher Wang
meaning.fr: le professeur Wang
)";
}
