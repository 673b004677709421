"""The frog game's eight word lists as they are written: the words of each list, grouped by
theme, one level of English each. check_frog_words.py arranges them into games and writes the
shipped files; edit the words here, never in the shipped files.

Every word: lower case letters only, two to ten letters, once in its list. A list holds a whole
number of games of 35 words."""

# lesson number -> (the list's name in the tutor, words separated by white space)
LISTS = {
    0: ("新版小学英语", """
        cat dog pig cow duck hen bird fish horse sheep goat rabbit tiger lion panda monkey bear
        mouse frog zoo ant bee elephant
        apple pear peach grape banana orange lemon melon rice bread cake egg milk juice water
        tea meat soup candy noodles
        red blue green yellow black white brown pink purple
        one two three four five six seven eight nine ten eleven twelve twenty
        head face eye ear nose mouth hand arm leg foot hair body
        mother father sister brother baby family friend teacher student doctor nurse farmer
        driver
        book pen pencil ruler bag desk chair door window box ball kite doll toy boat bus car
        bike plane train ship
        home school class park farm shop room bed kitchen garden
        sun moon star sky rain snow wind cloud tree flower grass river lake hill
        big small tall short long fat thin old new happy sad hot cold warm cool good nice
        run jump swim fly sing dance read write draw walk sleep eat drink play look see come
        go sit stand open close like love help
        day night week today morning spring summer autumn winter
        hat coat shirt skirt dress shoe sock cap
        yes no up on in at
        ice key map cup
        lamp clock tomato potato carrot sweater
    """),
    1: ("新版初中英语", """
        accept accident active actor advice afraid agree alive allow almost already
        amazing ancient angry arrive asleep attend avoid
        basket beach believe borrow bottle brave bridge bright build
        camera candle careful carry castle cause chance chess choose circle clever climb
        coast collect common corner correct cough country couple cousin
        danger daughter decide degree delicious dentist depend desert develop diary
        different difficult discover discuss dream
        early earth enemy energy enjoy enter exam example excited exercise
        expect expensive explain
        factory famous fashion favorite festival fever field fight finish foreign
        forest forget fresh friendly future
        gift goal ground guess guest guide
        habit health heavy hobby holiday honest hospital husband
        imagine important improve include invent island
        journey
        knife language laugh lazy leader library lucky
        machine magazine market medicine member message middle mistake modern moment museum
        nation natural neighbor nervous noise notice
        ocean offer office opinion
        pain paint palace patient peace perfect person pleasure plenty pocket poem polite
        popular practice prefer prepare present prize problem protect proud
        quarter
        raise reach receive record relax remember repeat report return
        score secret serious silent simple skill smell soldier solve space speech
        sport square stage storm strange subject success suggest support surprise
        taste terrible throw ticket tonight tourist traffic travel trouble
        uniform usual village visit voice
        weather weight wise wonder
    """),
    2: ("新版高中英语", """
        ability abroad absence absorb academic accent achieve admire adopt advance
        adventure afford amount announce anxious apologize appeal apply approach argue
        arrange attach attempt attitude attract audience available award aware
        background battle behave benefit budget
        calm campaign capable career category celebrate challenge channel character charity
        chemical climate comfort commit compare compete complex concern conduct confirm
        conflict connect consider contain content contrast create crisis
        crowd curious
        debate decline defeat define delay deliver demand deny deserve design desire destroy
        detail device devote disaster distance disturb donate
        economy effect efficient effort emotion encourage ensure entire equal escape
        evidence exchange exhibit expand expert explore expose extend
        failure feature finance flexible focus former frequent
        generous gradual guarantee
        handle harm identify ignore impact impress income increase industry
        influence inform injure inspire involve issue
        lack limit
        maintain measure mental method mission moral
        negative network
        obtain obvious occur option origin
        patience permit persuade phrase physical policy positive potential predict pressure
        previous process produce profit progress promote proper propose purchase
        pursue
        quality range rapid react recover reduce reflect refuse region regret reject release
        rely remain remove replace request require rescue resist resource respond
        reveal reward
        schedule section secure select senior shortage similar source specific
        strategy stress structure struggle survey survive
        target technique theory tradition transform trend
        unique urban valuable witness
    """),
    3: ("大学英语1~4级常用词汇", """
        abandon abnormal academy accomplish accumulate accurate acid acquire adapt adequate
        adjust alcohol alert alter amateur ambition analyse annual apparent appetite appoint
        approve arise aspect assemble assess assign assist associate assume assure atmosphere
        authority automatic awkward
        bargain barrier behalf bind blank bless boast bold bond boundary brake breed brilliant
        bubble bulk burden bureau
        candidate capacity capture cargo casual cease ceremony chaos cheat civil classify cliff
        code collapse column combat comment compact compel compile complain component
        compose compound compress comprise conceal concept conclude concrete condemn confront
        confuse conquer conscious consent conserve constant construct consult consume convert
        convey cooperate core crack credit crew criminal crucial crude cultivate cure
        decay deceive decent declare decorate dedicate defect democracy dense deposit depress
        derive descend despair desperate destiny detect diagnose differ digest dilemma
        diminish disguise dismiss dispute distinct distress diverse domestic dominate draft
        drain drift dynamic
        eager earnest echo elastic elect element eliminate embrace emphasis enable encounter
        endure enforce engage enhance enlarge entitle envy equip essence estimate
        evaluate evident evolve exceed exclude execute exert exhaust expire explicit exploit
        extent external
        facility faculty fade fatigue feasible fertile fierce flame flee flourish fluid
        forecast formula fragile frame frontier
        gallery gamble gasp gaze genuine glimpse grasp grateful grave grief grip
        halt harsh hatred hazard heritage hesitate hollow horizon hostile humble
    """),
    4: ("大学英语5~6级常用词汇", """
        abolish abrupt absurd acclaim acute addict adhere adjacent aesthetic affection affirm
        affluent agenda aggravate agitate allege alleviate allocate ambiguous amend ample
        amplify analogy anonymous antique applaud appraisal arbitrary archive arena arrogant
        ascend assault assert asset attain audit authentic autonomy avenue
        bankrupt barely barren betray bias bizarre blend blunt blur bonus boycott bribe brisk
        brochure browse brutal
        cater cavity cemetery chronic clarify coherent coincide collide commence commodity
        comply conceive confer confine conform consensus console contempt contend converge
        counsel courtesy coverage credible crumble curb cynical
        dazzle debris defer defy degrade delegate denounce depict deprive deputy
        deviate devise dictator dignity diplomat discreet dispatch
        disperse dispose distort divert doctrine drastic dwell
        eccentric elevate eligible eloquent embark embassy emit endorse endow
        enroll entail epidemic erode erupt escalate evacuate evoke exile exotic
        extract
        feeble fiscal fluctuate foster fraud friction
        garment gorgeous grim haunt hinder hostage hover
        idle immune impair impart implement implicit incur induce indulge
        infer inhabit inhibit initiate inquire intact integral
        intrude invoke irony
        lavish legacy linear
        magnify malicious mandate manifest marginal mediate merge metaphor migrate mingle
        modify momentum monopoly mortgage
        naive nominate notable notorious novice nurture
        oblige obscure offset omit ongoing
        paradox parallel peculiar penetrate perceive perish persist pledge plunge
        ponder portray posture precede precise premise prestige presume prevail prohibit
        prone prospect provoke prudent
    """),
    5: ("GRE词汇进阶", """
        abate abhor abstain abstruse accolade acerbic acquiesce acrimony acumen adamant
        admonish adroit affable alacrity allay aloof anomaly antipathy apathy appease arcane
        ardent arduous ascetic assiduous assuage astute audacious austere avarice
        banal belie benign berate bolster bombastic boorish brazen bucolic burgeon
        cajole callous candid capricious castigate caustic censure chicanery cogent
        complacent condone conundrum convoluted copious credulous culpable cursory
        daunt dearth debacle decorum deference demur denigrate deride desultory diatribe
        diffident digress disparage dissemble dogmatic dormant dupe
        ebullient eclectic efficacy elegy elicit elusive emulate enervate engender enigma
        ephemeral equivocal erudite esoteric eulogy exculpate exonerate expedient
        extol
        facetious fawning fervent flout foment forestall frugal furtive
        garrulous guile gullible hackneyed harangue heresy hubris
        impasse impetuous implacable inane incessant indolent ineffable
        inert ingenuous inimical insipid intrepid inundate irascible itinerant
        jaded jocular laconic languid laud lethargic levity lucid
        malign malleable maverick mitigate mollify morose mundane
        nefarious neophyte obdurate obstinate obviate officious onerous opaque opulent
        ostracize
        paucity pedantic penchant penury pervasive placate platitude plethora pragmatic
        precarious precocious prodigal profuse propensity prosaic pugnacious
        quaint quandary quell querulous quixotic
        rancor recant recluse refute relegate rescind reticent reverent
        sagacious salient sanguine satiate scrupulous soporific sordid specious sporadic
        stoic strident sycophant
        tacit taciturn tenacious tirade tractable transient truculent
        ubiquitous upbraid vacillate venerate veracity verbose vex vilify vindicate
        virulent volatile wary zealot zenith
    """),
    6: ("新编GMAT词汇", """
        accrue acquit actuary aggregate amortize annuity antitrust arbitrage arbitrate
        austerity benchmark bilateral broker bullish bearish buyout
        capital cartel clause collateral commerce consumer copyright creditor curtail customs
        debtor deficit deflation deplete devalue disburse discount dividend downturn dumping
        earnings embargo embezzle endowment entity equity escrow excise exempt expend export
        franchise freight hedge import incentive inflation insolvent interest inventory
        invoice
        lease ledger leverage liability lien liquidity loan logistics
        margin merger monetary niche outlay overhead
        patent payroll pension portfolio premium principal proceeds quota
        rebate recession refund remit retail revenue royalty
        salary solvent stagnate stake statute stipend subsidy surplus
        tariff tax tenant tender tenure thrift treasury trustee turnover
        upturn utility vendor venture voucher wage warranty wholesale yield
        conclude inference undermine discredit paradox plausible viable constrain regulate
        incumbent legislate forecast ratio percent median integer quotient divisor variable
        decimal fraction average sum
        allege assert attribute concede contend deduce refute validate weaken
        flaw bias premise evaluate outweigh offset mandate
        asset audit auditor bankrupt bond budget commodity fiscal gross insurer lender
        levy liquidate markup mutual overdue proxy recoup reimburse slump speculate
        stock takeover valuation
    """),
    7: ("托福600分单词", """
        abound acoustic adhesive aerial agrarian alloy amphibian anatomy ancestor antenna
        aquatic arid artifact asteroid astronomy atom bacteria basin bedrock bloom botany
        boulder burrow camouflage canopy carbon carnivore cell ceramic chisel cluster colony
        comet condense continent coral cosmic crater crust crystal delta density dinosaur
        dune eclipse ecosystem embryo enzyme equator erosion evaporate evolution excavate
        extinct fauna fissure flora fossil fungus galaxy geology glacier granite gravity
        habitat hemisphere herbivore hibernate humid hybrid igneous insulate irrigate larva
        lava lichen magma mammal mantle marsh meteor microbe mineral mollusk molecule nectar
        nomad nucleus nutrient orbit organism oxygen parasite pigment plankton plateau pollen
        predator prey primate prism protein quartz radiation rainforest reef reptile rodent
        saline sediment seismic silt solar species spore stratum symbiosis tectonic terrain
        thermal tide topsoil toxin tundra vapor vertebrate volcano wetland
        aristocrat artisan ballad colonial dialect epic folklore guild hieroglyph literacy
        manuscript medieval merchant mosaic mural myth nomadic pioneer pottery ritual
        sculpture settler textile tribe
        aqueduct biome cactus canyon cavern cocoon drought estuary geyser gorge iceberg
        lunar meadow moss nebula oasis ore pollinate savanna shale steppe thaw tributary
    """),
}
