#include "report_texts.h"

namespace orvanta::report::texts {

// Three paragraphs without gaps: the method of plane substructures and the families (11 lines),
// the global matrix (4 lines), the deformed shape (6 lines).
const std::array<std::string_view, 21> generalLines = {
    "Orvanta è un programma per la modellazione matriciale di strutture spaziali mediante",
    "la loro scomposizione in sottostrutture piane, i ritti: ciascun ritto è formato dai pilastri "
    "che",
    "sorgono in un nodo della pianta e dalle semitravi che vi concorrono lungo una delle due",
    "direzioni principali. La rigidezza di ogni ritto viene condensata sulle traslazioni "
    "orizzontali",
    "dei piani e sommata, con i bracci misurati dai centri di massa, a quella degli altri ritti, "
    "così",
    "da ottenere la matrice di rigidezza rototraslazionale dell'intero edificio. Il centro di "
    "rigidezza",
    "viene quindi ricercato attraverso l'allineamento dei centri parziali di rigidezza delle "
    "famiglie",
    "di ritti. Una famiglia riunisce i ritti che possiedano matrici di rigidezza simili nei",
    "confronti delle traslazioni di piano, tali cioè da potersi ritenere proporzionali",
    "l'una all'altra, nel senso che differiscano soltanto per una costante",
    "moltiplicativa, e presentino quindi un'analoga risposta nei confronti delle azioni "
    "orizzontali.",
    "Il programma consente inoltre di identificare la matrice di rigidezza rototraslazionale",
    "dell'edificio, dalla quale si legge il grado di disaccoppiamento torsionale della struttura,",
    "e di riconoscere i ritti più rigidi e quelli più deformabili, in coerenza con una concezione",
    "sismica progettuale incentrata sulla ricerca della duttilità.",
    "Il programma mostra infine, nella finestra della deformata, la deformata in elevazione cui",
    "sarebbe soggetto l'edificio sotto la distribuzione delle forze di piano dell'analisi lineare",
    "statica delle NTC 2018 (§ 7.3.3.2: Fi = Fh·zi·Wi / somma di zj·Wj, lineare con la quota",
    "quando le masse di piano sono uguali), così da mettere in evidenza i piani nei quali gli",
    "spostamenti relativi risultano maggiori e si concentrerebbe quindi il danneggiamento, nella",
    "struttura portante come negli elementi non strutturali, in particolar modo nei tamponamenti.",
};

const std::array<std::string_view, 2> preliminaryUse = {
    "Il presente programma è stato dunque utilizzato in fase preliminare nel predimensionamento",
    "degli elementi strutturali in calcestruzzo armato dell'opera di seguito descritta.",
};

const std::array<std::string_view, 3> ductilityAim = {
    "Ciò ovviamente nell'intento di raggiungere quell'ottimo progettuale che consenta lo "
    "sviluppo ",
    "di ampie capacità plastiche e dissipative che fungano da salvaguardia nei confronti di ",
    "inauspicabili fenomeni di collasso dell'edificio in caso di evento sismico.",
};

const std::array<std::string_view, 13> familyMatricesLines = {
    "Di seguito sono riportate le matrici di rigidezza traslazionali associate alle diverse "
    "tipologie",
    "di ritti strutturali individuate, ciascuna delle quali rappresenta il comportamento medio dei",
    "ritti appartenenti alla relativa famiglia. Per rendere confrontabili ritti di rigidezza "
    "assoluta",
    "anche molto diversa, ogni matrice è normalizzata in modo che il suo primo termine, relativo",
    "alla traslazione del primo piano, valga 1000: due ritti della stessa famiglia differiscono "
    "così",
    "soltanto per un coefficiente moltiplicativo. L'assegnazione automatica numera le famiglie a",
    "partire da quella dei ritti con il comportamento più marcatamente a taglio, tipico dei telai",
    "con travi rigide, fino a quella dei ritti con il comportamento più flessionale, proprio delle",
    "pareti e dei nuclei, passando per matrici intermedie ottenute per interpolazione lineare tra",
    "le due estreme. Il numero di famiglie, e con esso il grado di dettaglio della "
    "classificazione,",
    "è scelto dal progettista; la classificazione automatica può essere sempre modificata",
    "spostando singoli ritti da una famiglia all'altra, qualora risulti opportuna una",
    "immissione manuale delle famiglie dettata da specifiche esigenze tecniche.",
};

const std::array<std::string_view, 9> classificationLines = {
    "In considerazione delle matrici tipologiche e delle considerazioni già espresse al paragrafo",
    "precedente, ogni ritto strutturale viene rappresentato dalla matrice della famiglia cui",
    "appartiene, moltiplicata per un coefficiente di importanza CI che ne misura la rigidezza",
    "rispetto a quella complessiva della famiglia. Il coefficiente è pari al rapporto tra il "
    "primo",
    "termine della matrice del ritto e la somma dei primi termini di tutti i ritti della stessa",
    "famiglia, cosicché i coefficienti di una famiglia hanno somma unitaria. La tabella seguente",
    "riporta per ciascun ritto la famiglia di appartenenza e il coefficiente di importanza nelle",
    "due direzioni: a parità di posizione in pianta, hanno i ritti con coefficienti di importanza",
    "maggiori un'incidenza preponderante nella determinazione del centro parziale di rigidezza.",
};

const std::array<std::string_view, 4> massCentresLines = {
    "Essendo l'allineamento dei centri di massa di piano una condizione necessaria "
    "all'ottenimento",
    "del disaccoppiamento torsionale, si riportano di seguito le coordinate del centro di massa di",
    "ciascun piano, così da poter valutare gli scostamenti che, a causa di differenze di carico,",
    "geometria o destinazione d'uso, potrebbero verificarsi al variare del piano.",
};

const std::array<std::string_view, 11> stiffnessCentresLines = {
    "Condizione necessaria e sufficiente affinché un edificio sia torsionalmente disaccoppiato è "
    "che",
    "i centri parziali di rigidezza di tutte le famiglie di ritti coincidano, in ciascuna "
    "direzione,",
    "con la verticale passante per i centri di massa dei piani. In tal caso le forze sismiche di",
    "piano, applicate nei centri di massa, agiscono anche nel centro di rigidezza dell'edificio e",
    "producono soltanto traslazioni, senza indurre rotazioni dei solai. Il centro parziale di",
    "rigidezza di una famiglia è la media delle coordinate dei suoi ritti pesata con i rispettivi",
    "coefficienti di importanza: per le famiglie di ritti ortogonali ad X se ne riporta l'ascissa,",
    "per quelle ortogonali ad Y l'ordinata. Quanto più i valori della tabella seguente risultano",
    "vicini tra loro, tanto migliore è il disaccoppiamento torsionale ottenuto; il progettista",
    "valuta quindi la distanza tra le coordinate dei centri parziali di rigidezza qui",
    "elencate e quelle dei centri di massa riportate al paragrafo precedente.",
};

const std::array<std::string_view, 8> seismicLines = {
    "La regolarità in pianta nei riguardi della torsione è verificata piano per piano secondo i",
    "criteri europei della EN 1998-1 (§ 4.2.3.2): e0 non oltre 0,30·r e r non meno di ls.",
    "La normativa italiana (NTC 2018, § 7.4.3.1) richiede soltanto r²/ls² > 1, in mancanza del",
    "quale la struttura è torsionalmente deformabile e il suo fattore q0 si riduce.",
    "Per ciascun piano, caricato da solo con gli altri solai liberi, si determinano il centro di",
    "rigidezza C.R., l'eccentricità e0 dal centro di massa G*, i raggi torsionali r e il raggio",
    "giratore d'inerzia ls della massa del piano. I modi di vibrare derivano dalla matrice di",
    "rigidezza globale e dalle masse di piano, con il modulo elastico indicato.",
};

} // namespace orvanta::report::texts
