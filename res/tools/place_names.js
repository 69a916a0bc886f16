// Hand-kept facts about place names that the division and pinyin packages do
// not carry.
'use strict';

// Readings of place names whose characters have more than one pronunciation
// and that the pinyin package reads the everyday way.
const readings = {
  '乐清': 'yuè qīng',
  '乐亭': 'lào tíng',
  '民乐': 'mín lè',
  '泌阳': 'bì yáng',
  '宕昌': 'tàn chāng',
  '调兵山': 'diào bīng shān',
  '单县': 'shàn xiàn',
  '莘县': 'shēn xiàn',
  '洪洞': 'hóng tóng',
  '蔚县': 'yù xiàn',
  '筠连': 'jūn lián',
  '浚县': 'xùn xiàn',
  '尉犁': 'yù lí',
  '歙县': 'shè xiàn',
  '涡阳': 'guō yáng',
  '繁峙': 'fán shì',
  '大埔': 'dà bù',
  '番禺': 'pān yú',
  '六安': 'lù ān',
  '蚌埠': 'bèng bù',
  '重庆': 'chóng qìng',
  '厦门': 'xià mén',
  '丽水': 'lí shuǐ',
  '乐山': 'lè shān',
  '长沙': 'cháng shā',
  '东阿': 'dōng ē',
  '铅山': 'yán shān',
  '犍为': 'qián wéi',
  '荥经': 'yíng jīng',
  '荥阳': 'xíng yáng',
  '枞阳': 'zōng yáng',
  '鄯善': 'shàn shàn',
  '牟平': 'mù píng',
  '巴彦淖尔': 'bā yàn nào ěr',
  '吐鲁番': 'tǔ lǔ fān',
  '阆中': 'làng zhōng',
  '盱眙': 'xū yí',
  '会理': 'huì lǐ',
  '会泽': 'huì zé',
  '会东': 'huì dōng',
  '会同': 'huì tóng',
  '会昌': 'huì chāng',
  '会宁': 'huì níng',
  '都江堰': 'dū jiāng yàn',
  '都匀': 'dū yún',
  '莎车': 'shā chē',
  '柏乡': 'bǎi xiāng',
  '蠡县': 'lǐ xiàn',
  '曲阜': 'qū fù',
  '朝阳': 'cháo yáng',
  '长治': 'cháng zhì',
  '长春': 'cháng chūn',
  '华阴': 'huá yīn',
  '尉氏': 'wèi shì',
  '黟县': 'yī xiàn',
  '台州': 'tāi zhōu',
  '天台': 'tiān tāi',
};

// Ethnic group names as they appear in the names of autonomous prefectures,
// counties and banners ("各" as in "龙胜各族自治县").
const ethnicGroups = [
  '蒙古', '回', '藏', '维吾尔', '苗', '彝', '壮', '布依', '朝鲜', '满', '侗', '瑶', '白', '土家',
  '哈尼', '哈萨克', '傣', '黎', '傈僳', '佤', '畲', '高山', '拉祜', '水', '东乡', '纳西', '景颇',
  '柯尔克孜', '土', '达斡尔', '仫佬', '羌', '布朗', '撒拉', '毛南', '仡佬', '锡伯', '阿昌', '普米',
  '塔吉克', '怒', '乌孜别克', '俄罗斯', '鄂温克', '德昂', '保安', '裕固', '京', '塔塔尔', '独龙',
  '鄂伦春', '赫哲', '门巴', '珞巴', '基诺', '各',
];

// The best-known large cities, most searched first: their initials win over
// smaller places with the same initials ("SZ" finds 深圳 before 苏州 and 朔州).
const majorCities = [
  '广州', '深圳', '成都', '杭州', '武汉', '西安', '南京', '苏州', '沈阳', '长沙', '郑州', '济南',
  '青岛', '大连', '宁波', '厦门', '合肥', '福州', '南昌', '昆明', '贵阳', '南宁', '海口', '石家庄',
  '太原', '呼和浩特', '长春', '哈尔滨', '兰州', '西宁', '银川', '乌鲁木齐', '拉萨',
];

const provinceShort = {
  '11': '北京', '12': '天津', '13': '河北', '14': '山西', '15': '内蒙古', '21': '辽宁',
  '22': '吉林', '23': '黑龙江', '31': '上海', '32': '江苏', '33': '浙江', '34': '安徽',
  '35': '福建', '36': '江西', '37': '山东', '41': '河南', '42': '湖北', '43': '湖南',
  '44': '广东', '45': '广西', '46': '海南', '50': '重庆', '51': '四川', '52': '贵州',
  '53': '云南', '54': '西藏', '61': '陕西', '62': '甘肃', '63': '青海', '64': '宁夏',
  '65': '新疆',
};

// Latitude of the provincial capital and altitude class (0 plain below 500 m,
// 1 hills and uplands, 2 plateau of 1,500 to 3,000 m, 3 high plateau).
const provinceClimate = {
  '11': [39.9, 0], '12': [39.1, 0], '13': [38.0, 0], '14': [37.9, 1], '15': [40.8, 1],
  '21': [41.8, 0], '22': [43.9, 0], '23': [45.8, 0], '31': [31.2, 0], '32': [32.1, 0],
  '33': [30.3, 0], '34': [31.8, 0], '35': [26.1, 0], '36': [28.7, 0], '37': [36.7, 0],
  '41': [34.8, 0], '42': [30.6, 0], '43': [28.2, 0], '44': [23.1, 0], '45': [22.8, 0],
  '46': [20.0, 0], '50': [29.6, 0], '51': [30.7, 0], '52': [26.6, 1], '53': [25.0, 2],
  '54': [29.7, 3], '61': [34.3, 0], '62': [36.1, 2], '63': [36.6, 2], '64': [38.5, 1],
  '65': [43.8, 1],
};

// How the gazetteer spells the seat of a prefecture whose pinyin it does not
// use: names from the region's own language, or autonomous prefectures named
// after a region rather than their seat. Alternatives are tried in order.
const seatNames = {
  '呼和浩特': ['Hohhot'], '鄂尔多斯': ['Ordos', 'Dongsheng'], '呼伦贝尔': ['Hailar'],
  '巴彦淖尔': ['Linhe', 'Bayannur'], '乌兰察布': ['Jining'], '兴安': ['Ulanhot'],
  '锡林郭勒': ['Xilinhot'], '阿拉善': ['Bayan Hot', 'Bayanhot'], '辽源': ['Liaoyuan', 'Longshan'],
  '延边': ['Yanji'], '山南': ['Lhoka'],
  '哈尔滨': ['Harbin'], '齐齐哈尔': ['Qiqihar'], '湘西': ['Jishou'],
  '儋州': ['Danzhou', 'Nada'], '凉山': ['Xichang'], '黔西南': ['Xingyi'], '黔东南': ['Kaili'],
  '黔南': ['Duyun'], '红河': ['Mengzi'], '文山': ['Wenshan', 'Kaihua'], '西双版纳': ['Jinghong', 'Yunjinghong'],
  '德宏': ['Mangshi', 'Luxi'], '怒江': ['Liuku', 'Lushui'], '迪庆': ['Shangri-La', 'Jiantang', 'Zhongdian'],
  '拉萨': ['Lhasa'], '昌都': ['Qamdo', 'Chamdo'], '林芝': ['Nyingchi', 'Bayi'],
  '那曲': ['Nagqu'], '阿里': ['Shiquanhe', 'Gar'],
  '日喀则': ['Shigatse', 'Xigaze'], '临夏': ['Linxia'], '甘南': ['Hezuo'], '海东': ['Ping\'an', 'Pingan', 'Nianbo'],
  '海北': ['Haiyan', 'Xihai'], '黄南': ['Tongren', 'Rongwo'], '海南州': ['Gonghe', 'Qabqa'],
  '果洛': ['Dawu', 'Maqen'], '海西': ['Delingha', 'Golmud'], '乌鲁木齐': ['Urumqi', 'Ürümqi'],
  '克拉玛依': ['Karamay'], '吐鲁番': ['Turpan'], '博尔塔拉': ['Bole', 'Bortala'],
  '巴音郭楞': ['Korla'], '阿克苏': ['Aksu', 'Aqsu'], '克孜勒苏': ['Artux', 'Atushi'], '喀什': ['Kashgar', 'Kashi'],
  '和田': ['Hotan', 'Qaraqash'], '伊犁': ['Yining', 'Ghulja'], '阿勒泰': ['Altay', 'Jinshanlu'], '塔城': ['Tacheng'],
  '哈密': ['Hami', 'Kumul'], '昌吉': ['Changji'],
};

module.exports = {seatNames, readings, ethnicGroups, majorCities, provinceShort, provinceClimate};
