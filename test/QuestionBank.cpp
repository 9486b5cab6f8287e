// The question bank: 24 statements of general science, each a stem, four continuations,
// the number of the correct one and a commentary on every continuation.
//
// Conventions other code relies on:
// - in the commentary of question q, "q." only ever starts an option reference such as
//   "5.3", and each of the four options is referred to exactly once;
// - powers are written inline ("E = mc2", "3 X 108 m/s", "10-9 m"): the windows raise
//   the exponents of questions 5 and 13 by searching for those snippets.
// The shape of every text is checked by tests/tst_questionbank.cpp.

#include "TestDefinitionUnit.h"

using namespace std::string_view_literals;

const std::array<std::string_view, QuestionCount> QuestionTexts = {
    /*  1 */ "De los siguientes elementos, NO forma parte del método científico "sv,
    /*  2 */ "Los números 3, 7 y 19 "sv,
    /*  3 */ "Una persona que camina da un giro de 360 grados respecto a la dirección que llevaba;"
             " ahora camina"sv,
    /*  4 */ "La energía eólica"sv,
    /*  5 */ "La fórmula E = mc2"sv,
    /*  6 */ "Para favorecer el bienestar dentro de las construcciones tropicales, debemos"sv,
    /*  7 */ "La fuerza gravitatoria"sv,
    /*  8 */ "Un ensayo clínico a la ciega es"sv,
    /*  9 */ "Las diversas especies animales que han poblado el planeta"sv,
    /* 10 */ "Las teorías de Freud sobre los sueños"sv,
    /* 11 */ "Alguien parado sobre la superficie terrestre"sv,
    /* 12 */ "La tabla periódica de los elementos"sv,
    /* 13 */ "La nanociencia"sv,
    /* 14 */ "El metanol"sv,
    /* 15 */ "Los antibióticos"sv,
    /* 16 */ "La homeopatía"sv,
    /* 17 */ "La vacunación"sv,
    /* 18 */ "El dengue"sv,
    /* 19 */ "El científico español Santiago Ramón y Cajal"sv,
    /* 20 */ "El Síndrome de Inmunodeficiencia Adquirida (SIDA)"sv,
    /* 21 */ "Las células madre"sv,
    /* 22 */ "Los alimentos transgénicos "sv,
    /* 23 */ "La esperanza de vida que se atribuye a un país"sv,
    /* 24 */ "La  inteligencia artificial"sv,
};

const std::array<std::string_view, std::size_t{QuestionCount} * OptionsPerQuestion> OptionTexts = {
    // Question 1
    "la formulación de hipótesis contrastables"sv,
    "la observación sistemática y la medida precisa de fenómenos"sv,
    "la aceptación de una idea como cierta por el mero prestigio de su autor"sv,
    "el diseño de experimentos controlados y su replicación"sv,
    // Question 2
    "son irracionales"sv,
    "tienen, cada uno, más de dos divisores"sv,
    "son primos"sv,
    "son cuadrados perfectos, como el 1, el 4, el 9 o el 16"sv,
    // Question 3
    "en otra dirección "sv,
    "en perpendicular"sv,
    "en sentido contrario"sv,
    "hacia donde iba antes"sv,
    // Question 4
    "genera residuos radiactivos"sv,
    "está entre las renovables"sv,
    "aprovecha el calor que emana del interior terrestre"sv,
    "es hoy la primera fuente de electricidad del mundo"sv,
    // Question 5
    "fue presentada por Isaac Newton en su libro Principia"sv,
    "exige que el cuerpo esté viajando a la velocidad de la luz"sv,
    "muestra que la energía de un cuerpo crece con el cuadrado de su velocidad, como la "
    "energía cinética de la mecánica clásica"sv,
    "equipara masa y energía: la energía en reposo de un cuerpo es su masa por el "
    "cuadrado de la velocidad de la luz"sv,
    // Question 6
    "mantenerlas cerradas de forma hermética"sv,
    "facilitar la ventilación cruzada y proteger muros, techos y ventanas del sol directo"sv,
    "eliminar los aleros para que entre más luz solar"sv,
    "pintar los techos de negro"sv,
    // Question 7
    "atrae y disminuye con el cuadrado de la distancia"sv,
    "desaparece fuera de la atmósfera terrestre; por eso los astronautas flotan en órbita"sv,
    "hace que en el vacío los cuerpos pesados caigan más rápido que los ligeros"sv,
    "es la más intensa de las cuatro fuerzas de la naturaleza"sv,
    // Question 8
    "aquel en el que el investigador elige a su criterio qué enfermos reciben el fármaco"sv,
    "aquel en el que los participantes no saben si reciben el tratamiento que se estudia "
    "o un placebo"sv,
    "un estudio sin grupo de control en el que cada paciente se compara con su propio "
    "estado antes de tratarse"sv,
    "un ensayo hecho con pacientes ciegos o con problemas graves de visión"sv,
    // Question 9
    "siguen existiendo en su mayor parte, pues la extinción es un suceso raro"sv,
    "se han extinguido en su gran mayoría: se calcula que más del 99 % de las que "
    "existieron ya no viven"sv,
    "aparecieron a la vez, tal y como las vemos hoy, en la llamada \"explosión cámbrica\""sv,
    "evolucionan con el fin de alcanzar formas más grandes y complejas"sv,
    // Question 10
    "se han visto confirmadas por los estudios de neuroimagen"sv,
    "no han podido contrastarse de forma rigurosa y carecen de un apoyo empírico sólido"sv,
    "son el fundamento de la neurología del sueño"sv,
    "demostraron que los sueños son presagios de lo que le aguarda al soñador"sv,
    // Question 11
    "gira con el planeta sobre su eje una vez al año"sv,
    "gira con la Tierra a velocidades de hasta 1670 km/h, según la latitud"sv,
    "no se mueve, porque si la Tierra girase notaría un viento constante muy fuerte"sv,
    "se mueve más deprisa en los polos "sv,
    // Question 12
    "tiene hoy los mismos elementos que tenía cuando la publicó Mendeléyev, en 1869"sv,
    "organiza los elementos según el orden cronológico en que fueron descubiertos"sv,
    "ordena los elementos por número atómico y agrupa los que tienen química semejante"sv,
    "incluye, además de los elementos, compuestos como el agua o la sal, que son "
    "sustancias puras"sv,
    // Question 13
    "estudia y manipula la materia a escala del nanómetro, donde aparecen propiedades nuevas"sv,
    "es la rama de la biología dedicada al estudio de los microbios"sv,
    "es una pseudociencia que se limita a prometer “nanorrobots” y “curas milagrosas”"sv,
    "trabaja a la escala de los núcleos atómicos, muy inferior a la del nanómetro"sv,
    // Question 14
    "es  el alcohol de vinos y cervezas"sv,
    "es tóxico: si se ingiere, aun en pequeña cantidad, puede causar ceguera y muerte"sv,
    "es inocuo si se diluye en agua"sv,
    "es el gas que conforma la mayor parte del gas natural"sv,
    // Question 15
    "carecen de efectos adversos en el organismo"sv,
    "refuerzan las defensas del propio enfermo"sv,
    "no sirven contra los virus, como los del catarro común o la gripe"sv,
    "pierden efecto porque el organismo se acostumbra a ellos"sv,
    // Question 16
    "es una rama aceptada de la farmacología moderna"sv,
    "funciona porque sus diluciones extremas conservan concentraciones de principio "
    "activo suficientes para curar"sv,
    "se sustenta en principios que la química y la física han corroborado"sv,
    "no ha mostrado en ensayos rigurosos efectos superiores a los del placebo en ninguna "
    "dolencia"sv,
    // Question 17
    "provoca autismo, según han confirmado numerosos estudios epidemiológicos rigurosos"sv,
    "protege al que se vacuna, pero no a quienes lo rodean"sv,
    "enseña al sistema inmunitario a reconocer un patógeno y protege además a la comunidad"sv,
    "es inútil: ya no hay enfermedades que deba evitar"sv,
    // Question 18
    "se contagia con un apretón de manos"sv,
    "lo transmite un mosquito "sv,
    "es una infección bacteriana que se cura fácilmente con los antibióticos"sv,
    "está confinado al continente africano"sv,
    // Question 19
    "descubrió la penicilina trabajando en Madrid"sv,
    "fue el primer español que logró el Premio Nobel de Física"sv,
    "demostró que el tejido nervioso está formado por células individuales"sv,
    "defendió que las células nerviosas se fusionan en una red continua"sv,
    // Question 20
    "se transmite por las picaduras de mosquitos"sv,
    "puede contagiarse por compartir vasos, dar la mano o dar un abrazo a una persona "
    "infectada"sv,
    "se cura con una tanda de antibióticos "sv,
    "se debe al VIH, un virus que destruye los linfocitos CD4, claves para las defensas"sv,
    // Question 21
    "no se encuentran en el organismo adulto"sv,
    "ya curan de manera rutinaria el alzhéimer y el párkinson"sv,
    "pueden dividirse y también convertirse en otras más especializadas"sv,
    "proceden de embriones destruidos, y por ello se prohíbe investigar con ellas"sv,
    // Question 22
    "transmiten sus genes modificados a quienes los consumen y de ese modo alteran sus genes"sv,
    "autorizados han superado evaluaciones de seguridad y no se ha demostrado que dañen "
    "la salud humana"sv,
    "son los que contienen genes, a diferencia de los alimentos naturales, que no los tienen"sv,
    "causan cáncer, según ha demostrado de forma concluyente la ciencia actual"sv,
    // Question 23
    "es la edad máxima que podría llegar a alcanzar una persona que naciera en ese mismo país"sv,
    "es el número medio de años que viviría un recién nacido con la mortalidad actual"sv,
    "indica la edad precisa a la que muere la gran mayoría de los habitantes de ese país"sv,
    "se calcula sumando las edades de todos los habitantes vivos del país y dividiendo la"
    " suma entre el número de ellos"sv,
    // Question 24
    "consiste en programas que tienen conciencia y sentimientos como los humanos"sv,
    "es un invento reciente que apareció en esta última década"sv,
    "designa sistemas que realizan tareas que vinculamos con la mente humana, como "
    "aprender de datos"sv,
    "da respuestas exactas y objetivas, porque se basa en las matemáticas"sv,
};

const std::array<std::int32_t, QuestionCount> CorrectOptions = {
    3, 3, 4, 2, 4, 2, 1, 2, 2, 2, 2, 3,
    1, 2, 3, 4, 3, 2, 3, 4, 3, 2, 2, 3,
};

const std::array<std::string_view, std::size_t{QuestionCount} * CommentPieceCount> CommentPieces = {
    // Question 1
    "El método científico no es una receta fija, sino un conjunto de prácticas que "
    "permiten poner a prueba nuestras ideas frente a la realidad. La formulación de "
    "hipótesis contrastables, que menciona 1.1, es uno de sus pilares: "sv,
    "una hipótesis debe hacer predicciones que puedan resultar falsas, y por eso el "
    "filósofo Karl Popper habló de \"falsabilidad\" como criterio para distinguir la "
    "ciencia de lo que no lo es. También forma parte del método el "sv,
    "diseño de experimentos controlados y su replicación, como indica 1.4: se compara una"
    " situación en la que se modifica una sola variable con otra que sirve de "
    "\"control\", y se repite el experimento, a ser posible en otros "sv,
    "laboratorios, para descartar errores y coincidencias. La observación sistemática y "
    "la medida precisa de los fenómenos, que recoge 1.2, son el punto de partida y el "
    "árbitro final del proceso: sin datos fiables no hay nada "sv,
    "que explicar ni forma de decidir entre hipótesis rivales. La opción 1.3 es, por "
    "tanto, la correcta: aceptar algo como cierto solo porque lo dice una persona o "
    "institución de prestigio es el llamado \"argumento de autoridad\", "sv,
    "precisamente lo que la ciencia dejó atrás. Las afirmaciones valen por las pruebas "
    "que las sostienen, no por quién las defiende: incluso las ideas de los grandes "
    "científicos se han corregido cuando los datos las contradijeron."sv,
    ""sv,
    // Question 2
    "La opción 2.3 es la correcta: un número primo es un número natural mayor que 1 que "
    "solo es divisible por sí mismo y por la unidad, y eso es lo que ocurre con 3, 7 y "
    "19. La "sv,
    "opción 2.1 es falsa: no son irracionales, pues los tres son números enteros, y "
    "todo entero es racional, porque puede escribirse como cociente de dos enteros (por "
    "ejemplo, 7 "sv,
    "= 7/1); los irracionales, como la raíz cuadrada de 2 o el número pi, no pueden "
    "expresarse como fracción. También es falso lo que dice 2.2: tener más de dos "
    "divisores define "sv,
    "a los números compuestos, lo contrario de los primos, y el 3, el 7 y el 19 solo "
    "tienen dos: la unidad y ellos mismos. Por último, 2.4 es errónea: ninguno de los "
    "tres es el "sv,
    "cuadrado de un entero, como sí lo son el 1, el 4 y el 9. Entre 1 y 20 hay ocho "
    "primos: el 2, el 3, el 5, el 7, el 11, el 13, el 17 y el 19. Conviene recordar que "
    "el 1 no es primo."sv,
    ""sv,
    ""sv,
    // Question 3
    "Una vuelta completa mide 360 grados, por lo que quien gira 360 grados acaba "
    "orientado igual que al principio. Por eso 3.4 es la respuesta correcta: sigue "
    "caminando hacia donde iba antes. A veces se "sv,
    "oye \"dar un giro de 360 grados\" para indicar un cambio radical, pero es un uso "
    "erróneo: el cambio total de sentido corresponde a media vuelta, es decir, a 180 "
    "grados. Así, no camina \"en otra "sv,
    "dirección\", como dice 3.1, ni en sentido contrario, como sostiene 3.3, que sería "
    "el resultado de girar 180 grados. Tampoco camina en perpendicular: eso requeriría "
    "un giro de 90 grados, así que yerra 3.2."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 4
    "La opción 4.2 es la correcta: el viento se debe al calentamiento desigual de la "
    "Tierra por el Sol y se renueva de forma natural. No genera residuos radiactivos, "
    "como dice 4.1; esto ocurre en las centrales nucleares."sv,
    " Tampoco aprovecha el calor del interior terrestre, como indica 4.3: esa es la "
    "energía geotérmica. Y no es la primera fuente de electricidad del mundo, como afirma"
    " 4.4: el carbón va en cabeza y el viento aporta menos "sv,
    "de un diez por ciento."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 5
    "La fórmula E = mc2 fue publicada por Albert Einstein en 1905, como consecuencia de "
    "su teoría de la relatividad especial. No exige que el cuerpo viaje a la velocidad "
    "de la luz, como supone 5.2: se aplica a cualquier cuerpo con "sv,
    "masa, también a uno en reposo, y, de hecho, ningún cuerpo con masa puede "
    "alcanzarla. La opción 5.4 es la correcta: masa y energía son equivalentes, y todo "
    "cuerpo en reposo encierra una energía igual a su masa multiplicada por c2, el "
    "cuadrado "sv,
    "de la velocidad de la luz en el vacío, de unos 3 X 108 m/s. Como ese factor es "
    "enorme, una masa minúscula encierra muchísima energía: un solo gramo equivale a "
    "unos 9 X 1013 J, comparable a la de la bomba atómica arrojada "sv,
    "sobre Hiroshima. La opción 5.3 confunde esta energía con la energía cinética de la "
    "mecánica clásica, que es la mitad de la masa por el cuadrado de la velocidad del "
    "cuerpo; aquí, en cambio, la velocidad es la de la luz, que es "sv,
    "una constante, y la energía en reposo no depende de cómo se mueva el cuerpo. Por "
    "último, 5.1 es incorrecta: Isaac Newton murió en 1727, casi dos siglos antes, y en "
    "la física clásica la masa y la energía se conservaban por separado."sv,
    ""sv,
    ""sv,
    // Question 6
    "En los climas tropicales hace calor durante todo el año, la humedad suele ser alta "
    "y, en las zonas más húmedas, la temperatura apenas baja por la noche. Por eso la "
    "opción 6.2 es la correcta: la estrategia básica consiste en impedir "sv,
    "que el edificio se caliente y en facilitar que el aire circule. La llamada "
    "\"ventilación cruzada\", con aberturas en fachadas opuestas, renueva el aire "
    "interior, arrastra el calor y el vapor de agua y, al mover el aire sobre la piel, "sv,
    "aumenta la evaporación del sudor, lo que provoca una sensación de frescor. A ello se"
    " suman los aleros amplios, las galerías, las celosías y la vegetación, que dan "
    "sombra a muros, techos y ventanas y frenan la radiación solar directa, "sv,
    "la principal fuente de calor de los edificios en estas latitudes. Cerrar la vivienda"
    " de forma hermética, como propone 6.1, produce el efecto contrario: el aire queda "
    "estancado, la humedad interior se acumula, aparecen condensaciones "sv,
    "y mohos, y el interior se convierte en una especie de \"invernadero\" que solo puede"
    " enfriarse con mucho aire acondicionado. Eliminar los aleros para que entre más luz "
    "solar, como sugiere 6.3, tampoco tiene sentido en el trópico, donde "sv,
    "el sol está muy alto y es intenso; la luz natural puede aprovecharse de forma "
    "indirecta, sin que la radiación llegue de lleno a las habitaciones. Por último, "
    "pintar los techos de negro, como dice 6.4, es un error: los colores oscuros "sv,
    "absorben la mayor parte de la radiación solar y calientan la cubierta, que a su vez "
    "irradia calor hacia el interior. Lo adecuado son las superficies claras o "
    "reflectantes, los llamados \"techos fríos\", y una cubierta aislada o ventilada."sv,
    // Question 7
    "La opción 7.1 es la correcta: según la ley de la gravitación universal de Newton, "
    "dos cuerpos cualesquiera se atraen con una fuerza proporcional al producto de sus "
    "masas e inversamente proporcional al "sv,
    "cuadrado de su distancia; si esta se dobla, la fuerza se reduce a la cuarta parte. "
    "Es falso lo que dice 7.2: a unos 400 km de altura, donde orbita la Estación Espacial"
    " Internacional, la gravedad es "sv,
    "aproximadamente un 90 % de la que hay en la superficie. Los astronautas flotan "
    "porque están en caída libre constante alrededor de la Tierra, como la estación. "
    "También es errónea 7.3: como dedujo Galileo "sv,
    "y se comprobó en la Luna con un martillo y una pluma, en ausencia de aire todos los "
    "cuerpos caen con la misma aceleración, sea cual sea su masa; en el aire, la "
    "resistencia frena más a unos cuerpos que "sv,
    "a otros. Por último, 7.4 invierte la realidad: la gravedad es con mucho la más débil"
    " de las cuatro interacciones fundamentales; domina a gran escala por su largo "
    "alcance y porque siempre es atractiva."sv,
    ""sv,
    ""sv,
    // Question 8
    "La opción 8.2 es la correcta: en un ensayo a la ciega (o enmascarado), los "
    "participantes no saben si reciben el tratamiento experimental o el de comparación, "
    "que puede ser un placebo o el tratamiento habitual. Así se evita que sus "sv,
    "expectativas influyan en los síntomas que perciben y refieren. Cuando tampoco lo "
    "saben los médicos que los atienden y evalúan, se habla de ensayo a \"doble ciego\", "
    "el diseño más fiable para comparar tratamientos. La opción 8.1 describe lo "sv,
    "contrario de una buena práctica: si el investigador decide quién recibe el fármaco, "
    "puede dárselo sin querer a los pacientes con mejor pronóstico y falsear el "
    "resultado; por eso la asignación se hace al azar, lo que se llama aleatorización. "sv,
    "La opción 8.3 corresponde a un estudio \"antes y después\" sin grupo de control, un "
    "diseño débil: muchas enfermedades mejoran solas o fluctúan, y sin un grupo de "
    "comparación no puede saberse si la mejoría se debe al tratamiento, al efecto "sv,
    "placebo o al curso natural del proceso. Por último, 8.4 toma la expresión al pie de "
    "la letra: la ceguera se refiere a la falta de información sobre el tratamiento "
    "asignado, no a la vista de los pacientes, que pueden ver sin problemas."sv,
    ""sv,
    ""sv,
    // Question 9
    "La opción 9.2 es la correcta: el registro fósil revela que la extinción es el "
    "destino habitual de las especies, y se estima que más del 99 % de todas las que han "
    "existido ya han desaparecido. Ha habido, además, cinco grandes "sv,
    "extinciones masivas, como la de finales del Pérmico, hace unos 252 millones de años,"
    " o la del final del Cretácico, hace unos 66 millones, que acabó con los dinosaurios "
    "no avianos. Por eso es falso lo que afirma 9.1. La opción 9.3 "sv,
    "exagera la llamada explosión cámbrica: hace unos 540 millones de años aparecieron en"
    " poco tiempo geológico muchos de los grandes grupos de animales, pero no las "
    "especies actuales, que surgieron mucho después; los mamíferos y las aves, "sv,
    "por ejemplo, no existían entonces. También es errónea 9.4: la evolución no persigue "
    "ninguna meta, y muchas especies se han vuelto más pequeñas o más sencillas, como "
    "numerosos parásitos o los animales de las cuevas que pierden los ojos."sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 10
    "La opción 10.2 es la correcta: Freud propuso en La interpretación de los sueños, "
    "publicada a finales de 1899, que los sueños son la realización disfrazada de "
    "deseos reprimidos, pero sus "sv,
    "conceptos, como el contenido latente o la censura, son tan flexibles que casi "
    "cualquier sueño encaja en ellos, y no ha sido posible someterlos a prueba con "
    "rigor científico. No los han confirmado los estudios "sv,
    "de neuroimagen, como afirma 10.1, ni son la base de la neurología del sueño, como "
    "sugiere 10.3: esta se sustenta en la neurofisiología. Y 10.4 es falsa: Freud no "
    "atribuía a los sueños valor profético."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 11
    "La opción 11.2 es la correcta: la Tierra da una vuelta sobre su eje en unas 24 "
    "horas (23 h 56 min respecto a las estrellas), de modo que un punto del ecuador, "
    "que recorre unos 40 000 km en ese tiempo, se mueve a alrededor de "sv,
    "1670 km/h. La velocidad disminuye con la latitud, porque el círculo que se recorre "
    "es cada vez menor: en Madrid es de unos 1275 km/h y en los polos se anula, ya que "
    "allí la persona solo gira sobre sí misma. Por eso es falsa "sv,
    "11.4, que dice justo lo contrario. La opción 11.1 confunde la rotación, que dura un "
    "día, con la \"traslación\": el viaje anual de la Tierra alrededor del Sol, a unos "
    "107 000 km/h, que se suma al giro. Además, esa persona se mueve, "sv,
    "con todo el sistema solar, alrededor del centro de nuestra galaxia. La opción "
    "11.3 reproduce un argumento antiguo contra la rotación terrestre: si la Tierra "
    "girase, se pensaba, sentiríamos un \"viento\" constante. No lo sentimos "sv,
    "porque la atmósfera gira con el planeta, igual que el aire de la cabina se mueve "
    "con el avión; y no notamos esta velocidad porque es prácticamente uniforme: el "
    "cuerpo humano solo percibe las aceleraciones, no la velocidad."sv,
    ""sv,
    ""sv,
    // Question 12
    "La opción 12.3 es la correcta: la tabla ordena los elementos por número atómico, es "
    "decir, por el número de protones del núcleo, y los dispone en filas (periodos) y "
    "columnas (grupos); los de una misma "sv,
    "columna tienen una configuración electrónica externa parecida y, por ello, "
    "propiedades químicas semejantes. Es falsa 12.1: Mendeléyev la propuso en 1869 con "
    "unos 63 elementos, y hoy tiene 118, los "sv,
    "últimos obtenidos en el laboratorio. No sigue el orden de descubrimiento, como dice "
    "12.2, y 12.4 confunde elementos con compuestos: el agua y la sal son sustancias "
    "puras, pero formadas por varios elementos."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 13
    "La opción 13.1 es la correcta: la nanociencia estudia la materia a escala del "
    "nanómetro (1 nm = 10-9 m), donde surgen propiedades ópticas, eléctricas o mecánicas "sv,
    "distintas de las que tiene a mayor tamaño. La opción 13.4 confunde escalas: los "
    "núcleos atómicos son entre 60 000 y 600 000 veces menores; los estudia la física "
    "nuclear. "sv,
    "Según 13.2 sería biología, pero la nanociencia une física, química, biología e "
    "ingeniería. Y 13.3 es falsa: es una disciplina experimental sólida, con "
    "aplicaciones reales."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 14
    "La opción 14.2 es la correcta: el metanol es muy tóxico. El hígado lo convierte en "
    "formaldehído y este, en ácido fórmico, que causa acidosis y daña el nervio óptico; "
    "unos diez mililitros pueden cegar a un adulto y unos "sv,
    "treinta, matarlo. Las bebidas adulteradas con metanol provocan intoxicaciones "
    "masivas; se tratan con fomepizol o etanol, que frenan la oxidación del metanol. La "
    "opción 14.1 lo confunde con el etanol o \"alcohol "sv,
    "etílico\", el de vinos y cervezas, que solo contienen trazas de metanol; este, "
    "antaño llamado \"alcohol de madera\", ya que se obtenía al destilarla, es otra "
    "sustancia. La opción 14.3 es falsa: diluirlo no lo "sv,
    "vuelve inocuo, pues lo que cuenta es la cantidad ingerida. Por último, 14.4 describe"
    " el metano, un gas; el metanol es líquido, aunque se fabrica sobre todo a partir del"
    " \"gas de síntesis\" obtenido del gas natural."sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 15
    "La opción 15.3 es la correcta: los antibióticos atacan estructuras o procesos "
    "propios de las bacterias, como la pared celular o sus ribosomas. Los virus carecen "
    "de esas dianas, porque se multiplican dentro de nuestras "sv,
    "células aprovechando su maquinaria; por eso estos fármacos no curan el resfriado ni "
    "la gripe, y tomarlos en tales casos solo añade efectos adversos y favorece las "
    "resistencias. La opción 15.1 es falsa: pueden provocar "sv,
    "reacciones alérgicas y, como alteran también la microbiota intestinal, diarreas u "
    "otras molestias digestivas. La opción 15.2 confunde su acción: no estimulan el "
    "sistema inmunitario, sino que matan las bacterias o frenan "sv,
    "su multiplicación, y las defensas del paciente terminan de eliminar la infección. "
    "Por último, 15.4 describe mal la resistencia: no es el cuerpo el que se acostumbra, "
    "sino las bacterias las que, por mutaciones o por "sv,
    "genes adquiridos de otras bacterias, sobreviven al fármaco y se multiplican; el uso "
    "innecesario o incorrecto de antibióticos acelera ese proceso, que la OMS considera "
    "una de las mayores amenazas para la salud pública."sv,
    ""sv,
    ""sv,
    // Question 16
    "La opción 16.4 es la correcta: las revisiones sistemáticas de ensayos rigurosos no "
    "han hallado ninguna dolencia en la que supere al placebo. Es falsa 16.2: en la "
    "habitual "sv,
    "dilución 30 CH, el factor de dilución (un uno seguido de sesenta ceros) supera con "
    "creces el número de Avogadro; casi con seguridad no queda ni una molécula del "
    "principio activo. "sv,
    "Tampoco es cierta 16.1: la farmacología no le reconoce eficacia. Y 16.3 es falsa: "
    "ni \"lo similar cura lo similar\" ni la supuesta \"memoria del agua\" tienen base "
    "física o química."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 17
    "La opción 17.3 es la correcta: la vacuna expone el sistema inmunitario a antígenos "
    "del patógeno, y el organismo genera así anticuerpos y células de memoria sin pasar "
    "la enfermedad; si se vacuna una parte "sv,
    "suficiente de la población, el patógeno apenas circula y quedan protegidos también "
    "quienes no pueden vacunarse. Por eso 17.2 es falsa. La opción 17.1 también: el "
    "estudio que lo sugirió fue retirado por "sv,
    "fraudulento y estudios con cientos de miles de niños no hallaron relación alguna. "
    "Por último, 17.4 es falsa: en humanos solo se erradicó la viruela, y el sarampión o "
    "la tosferina rebrotan si baja la vacunación."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 18
    "La opción 18.2 es la correcta: el dengue, o \"fiebre quebrantahuesos\", es una "
    "enfermedad vírica que transmiten las hembras de mosquitos del género \"Aedes\", como"
    " el mosquito tigre. La opción "sv,
    "18.1 es falsa: no se contagia por contacto directo entre personas. La opción 18.3 "
    "también: lo causa un virus, de modo que los antibióticos no sirven; el tratamiento "
    "solo alivia los "sv,
    "síntomas, aunque ya existen vacunas. Y 18.4 es falsa: es endémico en más de cien "
    "países tropicales y subtropicales, y se han detectado casos autóctonos en el sur de "
    "Europa, incluida España."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 19
    "La opción 19.3 es la correcta: Ramón y Cajal demostró, con el método de tinción de "
    "Golgi, que él mismo perfeccionó, que el tejido nervioso está formado por células "
    "independientes, las neuronas, que se "sv,
    "comunican por contacto sin fusionarse (doctrina de la neurona). Lo contrario, la "
    "teoría reticular que expresa 19.4, la defendía Camillo Golgi, con quien compartió el"
    " Nobel de Fisiología o Medicina en 1906. "sv,
    "No fue un Nobel de Física, ni el primer Nobel español, que fue José Echegaray "
    "(Literatura, 1904); por ello 19.2 es falsa. La opción 19.1 lo confunde con Alexander"
    " Fleming, descubridor de la penicilina en 1928."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 20
    "La opción 20.4 es la correcta: el sida es la fase avanzada de la infección por el "
    "virus de la inmunodeficiencia humana (VIH), que destruye los linfocitos T CD4, "
    "claves para la respuesta inmunitaria; sin ellos aparecen infecciones oportunistas "sv,
    "y ciertos tumores. El VIH se transmite por vía sexual, por la sangre (por ejemplo, "
    "al compartir jeringuillas) y de madre a hijo, pero no por el contacto cotidiano, "
    "como compartir vasos, dar la mano o abrazar: 20.2 es falsa. Tampoco lo "sv,
    "transmiten los mosquitos, porque el virus no se multiplica en ellos, así que 20.1 es"
    " errónea. Y 20.3 es incorrecta: los antibióticos actúan sobre bacterias, no contra "
    "virus; el tratamiento antirretroviral controla la infección, pero no la cura."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 21
    "La opción 21.3 es la correcta: las células madre pueden dividirse para renovarse a "
    "sí mismas y diferenciarse en células especializadas, como neuronas o células "
    "sanguíneas. Contra lo que afirma 21.1, también existen en el "sv,
    "adulto: las células madre \"adultas\" o somáticas, por ejemplo, de la médula ósea, "
    "la piel o el intestino, que renuevan los tejidos. La opción 21.4 es errónea: las "
    "células madre \"pluripotentes inducidas\" se obtienen "sv,
    "reprogramando células diferenciadas, sin destruir embriones, y la investigación "
    "con células embrionarias, regulada de forma distinta en cada país, está permitida "
    "en muchos. Por último, 21.2 exagera: la terapia "sv,
    "consolidada es el trasplante de progenitores hematopoyéticos (el clásico "
    "\"trasplante de médula ósea\") para leucemias y otras enfermedades de la sangre; "
    "las demás terapias aprobadas son pocas, y las del alzhéimer o el párkinson siguen "
    "en estudio."sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 22
    "La opción 22.2 es la correcta: antes de venderse, cada alimento transgénico pasa una"
    " evaluación de riesgos (en la Unión Europea, de la Autoridad Europea de Seguridad "
    "Alimentaria) y las academias científicas "sv,
    "coinciden en que los autorizados son tan seguros como los convencionales. No hay "
    "pruebas de que causen cáncer ni otros daños, así que 22.4 es falsa. La opción 22.3 "
    "recoge un error frecuente: todos los "sv,
    "seres vivos, y por tanto casi todos los alimentos, contienen genes. Y 22.1 tampoco "
    "es cierta: los genes de lo que comemos se digieren como el resto del ADN de la dieta"
    " y no se incorporan a nuestras células."sv,
    ""sv,
    ""sv,
    ""sv,
    ""sv,
    // Question 23
    "La opción 23.2 es la correcta: la \"esperanza de vida al nacer\" de un país es el "
    "número medio de años que viviría un grupo de recién nacidos si, a lo largo de toda "
    "su vida, se mantuvieran las tasas de mortalidad por "sv,
    "edad de un año dado. No se calcula promediando las edades de los habitantes vivos, "
    "como propone 23.4; eso da la \"edad media\" de la población, que depende sobre todo "
    "de la natalidad y de las migraciones. Tampoco es "sv,
    "la edad máxima, así que 23.1 es falsa: la duración máxima de la vida humana ronda "
    "los 120 años (el récord documentado es de 122 años) y apenas varía entre países, "
    "mientras que la esperanza de vida va desde poco más "sv,
    "de 50 años en los países más desfavorecidos hasta más de 80 en otros, como España, "
    "donde ronda los 84. Por último, 23.3 es incorrecta, porque es un promedio: las "
    "muertes se reparten a lo largo de muchas edades. Así, "sv,
    "cuando la mortalidad infantil es alta, la esperanza de vida al nacer es baja aunque "
    "muchos adultos lleguen a la vejez; en el pasado, una esperanza de vida de unos 35 "
    "años no significaba que la gente muriera a esa edad."sv,
    ""sv,
    ""sv,
    // Question 24
    "La opción 24.3 es la correcta: la inteligencia artificial es el campo de la "
    "informática que desarrolla sistemas capaces de realizar tareas que asociamos con la "
    "inteligencia humana, como reconocer imágenes o la voz, traducir o generar "sv,
    "texto; muchos de ellos, mediante el aprendizaje automático, aprenden de grandes "
    "cantidades de datos en lugar de seguir reglas escritas a mano. No es un invento de "
    "la última década, como sugiere 24.2: el seminario de Dartmouth de "sv,
    "1956 se considera el nacimiento de la disciplina, que desde entonces ha pasado por "
    "etapas de entusiasmo y desencanto; lo reciente es el auge de las redes neuronales "
    "profundas y de los grandes modelos de lenguaje. No hay pruebas de "sv,
    "que estos sistemas tengan conciencia ni sentimientos, de modo que 24.1 es falsa: "
    "aunque imiten con soltura la conversación humana, generan sus respuestas a partir de"
    " regularidades estadísticas. Por último, 24.4 es errónea: que "sv,
    "funcionen con cálculos exactos no garantiza que acierten, porque sus resultados son "
    "aproximaciones aprendidas de datos que pueden ser incompletos o sesgados; los "
    "modelos de lenguaje, por ejemplo, a veces inventan datos con total aplomo."sv,
    ""sv,
    ""sv,
};
