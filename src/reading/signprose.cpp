#include "signprose.h"

namespace amorisk::reading::prose {

const char ariesPositiveTraits[] =
        "You may be pioneers in your fields, the first to try what others only dream about. You "
        "are "
        "self-reliant and prefer to find your own way rather than wait for help. You are "
        "courageous "
        "and face danger, change and challenge head on. You have a quick, analytical mind that "
        "sees "
        "to the heart of a problem at once. You are full of energy and seldom sit still for long. "
        "You love competition and play every game to win. You are bursting with inventive ideas "
        "and "
        "love to turn them into action. You are assertive and say what you want without waiting to "
        "be asked. You are natural leaders; people follow you because you go first. You have an "
        "open mind and welcome new ways of thinking. You are frank and honest and speak your mind "
        "plainly.";

const char ariesNegativeTraits[] =
        "You may be arrogant and domineering. You may have a violent temper that flares up in an "
        "instant and burns out just as fast. You may be self-centred and think of your own needs "
        "before those of others. You may be intolerant of people who are slower or more cautious "
        "than you. You are impulsive and often act first and think later. You may be reckless and "
        "take risks you have not weighed. You are impatient and hate to wait for anything or "
        "anyone. You have a large ego that bruises easily. You may fear rejection more than you "
        "let "
        "anyone see. You are stubborn, and once hurt you may hold a grudge for years.";

const char ariesRomanceProfile[] =
        "Bubbling with energy and enthusiasm, the Ram is a passionate lover for whom love is a "
        "hunt "
        "and the chase is half the fun. Aries people have a fiery magnetism that draws admirers "
        "like moths to a flame, and they know it. The Ram seduces through the body rather than the "
        "tongue: a bold look, a firm embrace, a touch that leaves no doubt about what is meant. If "
        "you hope to win this sign, you must match it in strength, physical and psychic, as the "
        "Ram "
        "has no patience with a partner who tires easily or gives in at once. Expect to be led, "
        "and "
        "expect the odd quarrel, because Aries likes to dominate and loves a good fight. Yet once "
        "committed, the Ram is caring, loyal and protective, and life at its side is never "
        "anything "
        "but exciting.";

const char taurusPositiveTraits[] =
        "You are patient and enduring in nature. You are practical and down to earth, and you "
        "prefer what works to what merely sounds clever. You are reliable, and people know that a "
        "promise made by you will be kept. You are loyal to your family and friends, and the bonds "
        "you form run deep and last a lifetime. You have a fine sense of money and know how to "
        "save "
        "it, spend it and make it grow. You are conservative by nature and value the tried and "
        "tested ways. You are determined, and once you set out on a task you see it through to the "
        "end. You need security, both at home and in your work. You are methodical and do things "
        "one step at a time. You are honest and straightforward. You make decisions firmly and "
        "rarely go back on them. You dislike taking a risk.";

const char taurusNegativeTraits[] =
        "You are very stubborn and inflexible. You may be possessive of the people and the things "
        "you love. You may be lazy when nothing urges you on. You may be materialistic and judge "
        "things by their price tag. You may be introverted and seem dull in company. You may be "
        "jealous and slow to forgive. You are slow to change, even when change would do you good. "
        "You may be greedy, for comfort as much as for money.";

const char taurusRomanceProfile[] =
        "Cloaked by the obvious dignity and that unmistakable calm, the bull hides a slow-burning "
        "sensuality that few suspect at first sight. Taureans do not fall in love in a hurry, and "
        "they are not won in a hurry either. If you want this sign, court it slowly, with steady "
        "affection and small, thoughtful gifts: a good dinner, a soft scarf, flowers for no "
        "reason. "
        "The bull needs a partner who is honest and practical, with feet on the ground, and who is "
        "willing to pamper it now and then. Give the bull that, and you will be repaid many times "
        "over with deep love, unshakable loyalty and a quiet consideration for your every need.";

const char geminiPositiveTraits[] =
        "You are very adjusting in nature and have the gift of fitting in wherever life takes you. "
        "You are versatile and can handle many tasks at once. You are full of vitality and seem "
        "never to run out of steam. You are intelligent and quick to learn. You are flexible and "
        "change your plans without fuss when things shift around you. You know a little about a "
        "great many things, even if you seldom go deep into any one of them. You are lively and "
        "bring life to every gathering. You are a born talker and can hold a conversation with "
        "anyone on almost any subject. You are logical and can argue either side of a case. You "
        "have a sharp wit and a ready laugh. You are optimistic and expect the best. You are "
        "curious about everything and everyone around you.";

const char geminiNegativeTraits[] =
        "You are inconsistent in your performance. You are restless and soon tire of the same "
        "place "
        "and the same faces. You may have a nervous energy that keeps you from ever really "
        "resting. "
        "You may be fickle and change your mind, and your friends, too often. You may be "
        "mischievous and play tricks others do not find funny. You have a short span of attention "
        "and drift away from tasks half done. You may be cynical about other people's motives. "
        "Your "
        "feelings may be superficial. You may be moody. You may be cunning when it suits you.";

const char geminiRomanceProfile[] =
        "In spite of their legendary wit and razor-sharp tongue, Geminis often hide a streak of "
        "gloom that only those closest to them ever see. For the twin, love is a game played in "
        "the "
        "mind first and in the heart later, full of teasing, riddles and clever turns of phrase. "
        "If "
        "you want to hold a Gemini, you must keep that mind busy: talk, argue, share books, jokes "
        "and ideas, and never let the days grow alike. Novelty is the breath of life to the twin, "
        "and boredom is the surest way to lose one. Give them stimulation and surprises, and you "
        "will find a playful, caring companion who is eager to please and who will work hard to "
        "keep you smiling. Just be ready for a lover who may be two people at once, and enjoy them "
        "both.";

const char cancerPositiveTraits[] =
        "You are very sensitive in nature and generally kind to everyone you meet. You are "
        "sympathetic and feel the troubles of others as if they were your own. You have a rich "
        "imagination and a creative streak that shows in your home, your work and your hobbies. "
        "You "
        "are emotional, and your feelings run deep. You have a dry sense of humour that takes "
        "people by surprise. You are nurturing and love to look after others, feed them and make "
        "them feel at home. You are prudent, careful with money and promises. You need security "
        "and "
        "feel best within the walls of your own home. You love tradition and keep the customs of "
        "your family alive. You are protective of the people you love. You are calm on the "
        "surface, "
        "even when much is going on inside. You dislike confrontation and will go a long way to "
        "avoid a quarrel. You are intuitive and often know things before you are told.";

const char cancerNegativeTraits[] =
        "You are unstable and very unreliable. You are moody, and your temper changes with the "
        "tides of your feelings. You may be indecisive and let others choose for you, then blame "
        "them if the choice turns out badly. You may be selfish when you feel threatened or "
        "unloved. You are oversensitive and take offence where none was meant. You may manipulate "
        "people to get your own way. You may wallow in self-pity when life is unkind. You are "
        "insecure and need to hear again and again that you are loved. You may be lazy when your "
        "mood is low. You cling to the past and find it hard to let go of old hurts and old "
        "things.";

const char cancerRomanceProfile[] =
        "The crab may seem to be shy and withdrawn at first, but beneath that hard shell lies a "
        "passion that runs both deep and strong. If you hope to win a Cancerian, take your time "
        "and "
        "court them slowly, for the crab will not be rushed into anything. Bold gestures frighten "
        "it off; a subtle touch, a soft word and a quiet evening at home do far more. Once won, "
        "the "
        "crab is sentimental and wholly devoted, and will keep every letter and remember every "
        "anniversary. But never deceive it: a Cancer who has been betrayed turns bitter and "
        "unforgiving, and the shell closes on you for good.";

const char leoPositiveTraits[] =
        "You are leaders and have a magnetic personality that draws people to you wherever you go. "
        "You are assertive and know how to make your voice heard. You love the limelight and feel "
        "most alive when all eyes are on you. You have a flair for drama and can turn an ordinary "
        "evening into an occasion. You are generous with your time, your money and your praise. "
        "You "
        "are broad-minded and tolerant of other people's ways. You love authority and are at ease "
        "when you are in charge. You take responsibility seriously and do not shirk a duty. You "
        "are "
        "loyal to the people who stand by you, and you stand by them in turn. You are outgoing and "
        "make friends easily. You are ambitious and aim high. You are willing to take risks to "
        "reach your goals. You have a sunny, optimistic nature that lifts the spirits of those "
        "around you. You are proud, and you carry yourself with dignity. You keep every promise "
        "you "
        "make. You have a gift for organising people and events. You are flamboyant and like to do "
        "things in style.";

const char leoNegativeTraits[] =
        "You have a violent temper. When you are crossed, you roar, and those around you learn to "
        "keep their distance. You may be arrogant and believe that you know best in every matter. "
        "You are stubborn and rarely admit you were wrong. You may be conceited and spend too long "
        "admiring your own achievements. You may be dogmatic and hold to your views as if they "
        "were "
        "law. You may be bossy and give orders where a request would do. You have a weakness for "
        "flattery, and a clever tongue can lead you astray. You may be haughty towards those you "
        "think beneath you. You may boast of past glories. You may hunger for power and find it "
        "hard to share the stage.";

const char leoRomanceProfile[] =
        "This is the ideal lover for those who want romance on a grand scale. The lion loves in a "
        "majestic, dazzling, larger-than-life way, with sweeping gestures, lavish dinners and "
        "declarations made for all the world to hear. In return he asks for one thing above all: "
        "his ego must be fed. To keep a Leo, admire him, pamper him and adore him, and never let "
        "him feel ignored. Applaud his performances, praise his looks and laugh at his jokes, even "
        "the old ones. Do so, and the lion will be a warm, exciting and generous partner who makes "
        "you feel like royalty each day.";

const char virgoPositiveTraits[] =
        "You are very modest by nature. You are a perfectionist and take pride in work done well. "
        "You have sound judgment and see details that others miss. You are clean and tidy and like "
        "everything in its place. You plan ahead and rarely leave things to chance. You are humane "
        "and ready to help anyone in need. You are practical and find the simplest way to get a "
        "job "
        "done. You are dedicated to your work and to the people you love. You take good care of "
        "your health. You are punctual and expect others to be on time too.";

const char virgoNegativeTraits[] =
        "Your need for neatness may make them fussy. You worry too much, often about things that "
        "never happen. You may be introverted and keep your feelings to yourself. You are highly "
        "critical of yourself. Oddly, you may at times be untidy. You may be too particular about "
        "small details. You may be irritable when things do not go to plan.";

const char virgoRomanceProfile[] =
        "Nothing trivial, superficial or false flattery can win the heart of a Virgo. The virgin "
        "sees through empty compliments right away and has no time for games. What wins her is "
        "honesty, commitment and real love, shown in deeds rather than in words. If you want to "
        "spark her interest, invite her to play a sport together; shared effort and fresh air "
        "bring "
        "out her warmth. A game of tennis can do more than a dozen roses. Be careful with time and "
        "place: the virgin is particular about both, so arrive on time and pick a setting that is "
        "clean, calm and in good taste. Win her trust, and you will find a dignified, level-headed "
        "partner whose love is quiet but deep, and who will stand by you through thick and thin.";

const char libraPositiveTraits[] =
        "You are highly diplomatic individuals. You have a natural charm that draws people to you, "
        "and you know how to put a stranger at ease. You are romantic at heart and believe that "
        "love can make every day brighter. You may be an optimist who expects the best of life and "
        "of others. You are elegant, with refined taste in everything from music to furniture. You "
        "may have an artistic bent and a good eye for colour and form. You are able to see both "
        "sides of an argument and to weigh them fairly. You are a born peacemaker who smooths over "
        "quarrels. You are sociable and enjoy good company, good food and good conversation. You "
        "are impartial, moderate in your habits and happiest when you can work hand in hand with "
        "others.";

const char libraNegativeTraits[] =
        "You cannot take make decisions quickly, and you may weigh every choice until the moment "
        "has passed. You are easily taken in by a smooth talker. You may be a flirt who loves "
        "attention. You are inclined to self-indulgence in comfort and pleasure. You may be fickle "
        "in your likes. You depend too heavily on others for approval, and you will keep the peace "
        "at any price.";

const char libraRomanceProfile[] =
        "Gifted with an eye to find beauty in everything around them, those born under the scale "
        "are in love with love itself. The Libran craves romance in all its forms: candlelit "
        "dinners, handwritten letters, flowers for no reason at all. Magnetic and sociable, the "
        "scale is rarely short of admirers and moves through a crowded room with easy grace. What "
        "this lover seeks is a partner who is elegant as well as passionate, someone who looks "
        "good "
        "on the arm and feels even better in private. Expect the scale to dress with style and to "
        "notice whether you do too. Do not be alarmed by the flirting; beneath the charming "
        "surface "
        "lies a deep need to be admired and appreciated. Meet that need with sincere praise and "
        "steady attention, and you will find the scale a sweet, devoted and considerate partner.";

const char scorpioPositiveTraits[] =
        "You are intense and strong willed people who never do anything by halves. You are "
        "determined, and once you set a goal you will pursue it to the end. You are full of "
        "energy, "
        "though you rarely show it openly. You may appear calm and composed on the surface while a "
        "latent aggression smoulders underneath. You are watchful and notice far more than others "
        "realise. You are sensitive to atmosphere and to hidden motives. You are highly motivated "
        "and work hard for what you want. You are resourceful and can find a way out of almost any "
        "difficulty. You are passionate in everything you care about, whether work, friendship or "
        "love. You have keen powers of reasoning and can see through a problem to its core.";

const char scorpioNegativeTraits[] =
        "You have a very short temper. You may be blunt to the point of cruelty and say things "
        "that "
        "wound. You are inclined to pry into the affairs of others while guarding your own. You "
        "are "
        "temperamental and your moods can change without warning. You may be overconfident and "
        "arrogant about your judgment. You are prone to jealousy and find it hard to trust even "
        "those closest to you. You are secretive and keep your feelings locked away. When pushed "
        "too far, you may lash out with a sudden violence that surprises everyone, including "
        "yourself.";

const char scorpioRomanceProfile[] =
        "Belonging to the sexiest sign of the zodiac, the scorpion is the most sensual lover you "
        "will ever meet. For this sign, love is an outlet for a raw, almost elemental power that "
        "would otherwise have nowhere to go. Nothing about it is casual. The scorpion is deeply "
        "intuitive and will read your moods before you have named them yourself. Headstrong and "
        "proud, this lover likes to have the last word in every argument, and you may as well let "
        "it go. Yet, once committed, the scorpion is fiercely loyal and loving, and will stand by "
        "you through every storm. There is a spiritual depth to this sign that turns a passing "
        "affair into something close to a bond of souls. If you wish to keep the scorpion, you "
        "must "
        "match its passion and share its hunger for adventure, in bed and out of it.";

const char sagittariusPositiveTraits[] =
        "You are a happy go lucky lot with a positive outlook on life. You are adventurous and "
        "love "
        "to travel, explore and learn. You are enterprising and ready to start new ventures at "
        "short notice. You are versatile and can turn your hand to almost anything. You may be "
        "fond "
        "of taking risks, and luck often seems to be on your side. You are generous with your "
        "time, "
        "your money and your praise. You are straightforward and say exactly what you mean. You "
        "are "
        "honest and expect the same in return. You are modest despite your many talents. You are "
        "reliable, and friends know they can count on you. You have deep faith, whether in a "
        "religion, a philosophy or simply in the goodness of people. You may be a person of great "
        "foresight who sees where things are going. You are well organised when a task really "
        "matters to you. You are an idealist who believes the world can be made better.";

const char sagittariusNegativeTraits[] =
        "You may be too outspoken for your own good. You are restless and find it hard to stay in "
        "one place for long. You are impatient with slower minds. You may have an explosive temper "
        "that flares up suddenly. You are inclined to boast about your exploits. You can be "
        "tactless and hurt people without meaning to. You tend to exaggerate, and you may be "
        "irresponsible about commitments.";

const char sagittariusRomanceProfile[] =
        "It can be an enriching experience to flourish in the company of the archer, but the path "
        "to this heart runs through friendship. The archer wants a meeting of minds before "
        "anything "
        "else, so talk to this lover about books, travel, ideas and the big questions of life. "
        "Curious by nature and well read, the archer will delight in a partner who can keep up and "
        "still surprise. There is a wild, untamed appeal about this sign that many find hard to "
        "resist. Life with the archer is an adventure, full of sudden trips, bold plans and "
        "late-night talks. Give this lover plenty of space, for nothing kills the archer's "
        "affection faster than possessiveness or jealousy. Trust, freedom and laughter are the "
        "real "
        "keys. Once that freedom is assured, you will discover a warm, generous and deeply sensual "
        "lover.";

const char capricornPositiveTraits[] =
        "You are people with a traditional frame of mind. You are stable and steady, and you value "
        "what has stood the test of time. You are hard working and never shy away from effort. You "
        "are prudent with money and careful in your choices. You are serious in outlook, yet you "
        "have a dry sense of humour that surprises people. You are highly self-disciplined and set "
        "high standards for yourself. You have a precise, logical mind. You are ambitious and "
        "persevere until you reach the top. You may be a gifted manager who works methodically "
        "towards clear, well defined goals. You may have a quiet interest in the occult and the "
        "mysteries of life. You have few friends, but those you have are loyal for life, and you "
        "are loyal to them in return.";

const char capricornNegativeTraits[] =
        "You are very rigid in nature and find it hard to accept new ideas. You may be over "
        "ambitious and willing to sacrifice too much for success. You are stubborn and "
        "domineering, "
        "and expect others to do things your way. You may suffer from mood swings that leave those "
        "around you puzzled. You are a bad enemy who does not forget a wrong. You may be miserly "
        "with money, even when there is plenty to spare. You are inclined to complain when things "
        "do not go to plan. You may become obsessed with your work, and you tend to look at the "
        "gloomy side of things.";

const char capricornRomanceProfile[] =
        "Capricorns do not score among the intensely passionate or the impulsive lovers of the "
        "zodiac, but patience with the sea-goat is richly rewarded. Quiet, reliable and "
        "industrious, this lover builds a relationship the way he builds a career: step by careful "
        "step. Expect no flowery speeches or grand gestures at the start. The sea-goat looks for a "
        "partner with good looks, appeal and a touch of class, and is very mindful of status and "
        "of "
        "how the two of you appear to the world. Once won, this lover can be surprisingly lavish "
        "with gifts and treats. Do not be fooled by the placid exterior, for beneath it lies a "
        "deep "
        "and lasting passion.";

const char aquariusPositiveTraits[] =
        "You are magnetic in nature, and people are drawn to you without quite knowing why. You "
        "are "
        "a humanitarian at heart who cares about the welfare of all. You have balanced judgment "
        "and "
        "rarely act on a passing whim. You are unconventional and refuse to follow the crowd. You "
        "are frank and open in your dealings with people. You may be a philanthropist who gives "
        "generously to good causes. You are innovative and full of original ideas. You are a quick "
        "thinker who grasps new concepts at once. You are refined in taste and manner, and you "
        "dislike anything crude or vulgar. You are trustworthy, and people confide in you readily. "
        "You have a logical mind and a vision of a brighter future. You are progressive and "
        "intellectual, always a step ahead of your time.";

const char aquariusNegativeTraits[] =
        "You do not make friends very easily, even though you may seem outgoing and sociable. You "
        "are fond of solitude and often prefer your own company to that of others. You may be "
        "unreliable, turning up late or not at all. You have a violent temper when crossed, though "
        "it cools as quickly as it flares. You are eccentric, and your odd habits can puzzle those "
        "near you. You may cling to fixed ideas and refuse to budge, however good the arguments "
        "against them. You are detached and can seem cold when others need warmth. You may be rude "
        "without realising it. You are stubborn and unpredictable, and nobody, not even you, can "
        "be "
        "quite sure what you will do next.";

const char aquariusRomanceProfile[] =
        "The water bearer with his verbal dexterity, brilliant mind and quirky sense of humour can "
        "be an enchanting lover. Conversation is his serenade, and he seeks above all a partner "
        "who "
        "will stimulate him intellectually. His charm is considerable, and he wins hearts with "
        "ease. Do not expect grand declarations, though; he likes to start as a friend and let "
        "love "
        "grow from there. Inwardly, the water bearer is often torn between head and heart, between "
        "the cool logic of the intellect and the warm pull of emotion. To win him you must be "
        "gifted and compassionate, and you must respect the humanitarian values he holds dear. "
        "Share his causes and his ideals, and he will share his life with you.";

const char piscesPositiveTraits[] =
        "You are very adjusting, friendly and easy to get along with. You are sensitive and kind, "
        "and you feel the pain of others as if it were your own. You are popular wherever you go, "
        "as people sense your warmth. You love your home and you long for peace and quiet. You are "
        "intuitive and creative, with a rich and colourful inner life. You may be self-sacrificing "
        "and charitable, often putting others first. You are a dreamer with a vivid imagination. "
        "You have a love of luxury, fine food and beautiful things. You are emotional and show "
        "your "
        "feelings freely. You have little ego and rarely seek credit for what you do. You are "
        "loyal "
        "to your friends and will stand by them in hard times.";

const char piscesNegativeTraits[] =
        "You want people to sympathize with you, and you may play the victim to get it. You are "
        "impractical and find everyday tasks a burden. You may be unreliable when it comes to "
        "keeping promises. You are gullible and too easily led. You are fond of gossip and idle "
        "chat. You can be hypocritical at times, saying one thing and doing another. When life "
        "gets "
        "hard you tend to withdraw into yourself and sink into melancholy.";

const char piscesRomanceProfile[] =
        "These dreamy and mysterious creatures live half in this world and half in a world of "
        "their "
        "own making. The fish is imaginative and romantic, forever spinning fantasies of perfect "
        "love. Real life can seem harsh by comparison. Do not hurry this lover; the fish must be "
        "pursued slowly and sensuously, with soft words, gentle touches and long evenings "
        "together. "
        "Beneath the dreamy surface lies a vulnerable soul who needs to feel safe and protected. "
        "The fish wants a lover who is loyal and steady, compassionate enough to understand its "
        "moods, and unconventional enough to share its dreams. Give the fish that, and you will be "
        "loved with a tenderness few other signs can match.";

} // namespace amorisk::reading::prose
